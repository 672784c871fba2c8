// A scratch folder tree for one test, removed when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace konstel::testing {

inline constexpr std::filesystem::perms kExecutable = std::filesystem::perms(0755);
inline constexpr std::filesystem::perms kPlainFile = std::filesystem::perms(0644);

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Creates the folder `relative` (and its parents) inside the scratch folder.
  std::filesystem::path makeFolder(std::string_view relative) const;
  // Creates the file `relative` with `text` and `permissions`, making its folders as needed.
  std::filesystem::path writeFile(std::string_view relative, std::string_view text,
                                  std::filesystem::perms permissions = kPlainFile) const;

 private:
  std::filesystem::path path_;
};

// Waits up to five seconds for `file` to exist and hold a complete last line; returns its text
// ("" when it never appeared). Started programs run on their own, so their output comes later.
std::string waitForFileText(const std::filesystem::path& file);

// A shell script that writes its working folder, its parent process and the variable
// KONSTEL_PROBE of its environment, one per line, into `report`.
std::string probeScript(const std::filesystem::path& report);

}  // namespace konstel::testing
