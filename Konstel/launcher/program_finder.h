// Finding the calculator programs beside the launcher. Each program lives in a sub-folder of
// the searched folder whose name begins with the program's name, and is an executable file in
// that sub-folder whose name begins with it too. Names are compared by their beginning without
// regard to case and listed in alphabetical order without regard to case; only the first
// matching sub-folder is looked into.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "program_table.h"

namespace konstel {

// Where one program was found, relative to the searched folder.
struct ProgramLocation {
  std::string folder;      // name of the program's sub-folder
  std::string executable;  // file name of the executable inside it

  bool operator==(const ProgramLocation&) const = default;
};

// One entry per row of the program table; empty when the program is not part of the set.
using ProgramPaths = std::array<std::optional<ProgramLocation>, kProgramCount>;

// ASCII letters compare without regard to case; other bytes (UTF-8 names) compare as they are.
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool lessIgnoringCase(std::string_view a, std::string_view b);

// Names of the sub-folders of `folder` (symbolic links to folders included), sorted with
// lessIgnoringCase. An unreadable or missing folder gives an empty list.
std::vector<std::string> listSubfolders(const std::filesystem::path& folder);

// Names of the program files in `folder`, sorted with lessIgnoringCase: regular files with an
// execute bit, and files whose name ends in ".exe" (folders copied from Windows lose the bit).
std::vector<std::string> listExecutables(const std::filesystem::path& folder);

// The sub-folders are listed once, when the finder is made; later changes to the tree are seen
// only by a new finder, as a program copied in while the launcher runs is found at its next start.
class ProgramFinder {
 public:
  explicit ProgramFinder(std::filesystem::path root);

  // The first sub-folder whose name begins with `name`, and in it the first executable whose
  // name begins with `name`; nothing when either is missing.
  std::optional<ProgramLocation> find(std::string_view name) const;

  const std::vector<std::string>& subfolders() const { return subfolders_; }

 private:
  std::filesystem::path root_;
  std::vector<std::string> subfolders_;
};

// Every program of the table, looked up in `root` in table order.
ProgramPaths findPrograms(const std::filesystem::path& root);

}  // namespace konstel
