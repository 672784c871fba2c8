#include "program_finder.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace konstel {
namespace {

namespace fs = std::filesystem;

char foldAsciiCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool hasExecuteBit(fs::perms permissions) {
  const auto anyExecute = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  return (permissions & anyExecute) != fs::perms::none;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         startsWithIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// Names that differ only in case (possible on Linux) keep a fixed order: byte order breaks the tie.
void sortIgnoringCase(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    if (lessIgnoringCase(a, b)) return true;
    if (lessIgnoringCase(b, a)) return false;
    return a < b;
  });
}

// Entries of `folder` that `keep` accepts; entries that cannot be examined are left out.
template <typename Keep>
std::vector<std::string> listEntries(const fs::path& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code statusError;
    const fs::file_status status = it->status(statusError);  // follows symbolic links
    if (statusError) continue;
    std::string name = it->path().filename().string();
    if (keep(status, name)) names.push_back(std::move(name));
  }
  sortIgnoringCase(names);
  return names;
}

const std::string* firstStartingWith(const std::vector<std::string>& names,
                                     std::string_view prefix) {
  const auto it = std::find_if(names.begin(), names.end(), [prefix](const std::string& name) {
    return startsWithIgnoringCase(name, prefix);
  });
  return it == names.end() ? nullptr : &*it;
}

}  // namespace

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return foldAsciiCase(a) == foldAsciiCase(b); });
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(foldAsciiCase(x)) <
           static_cast<unsigned char>(foldAsciiCase(y));
  });
}

std::vector<std::string> listSubfolders(const fs::path& folder) {
  return listEntries(folder, [](const fs::file_status& status, const std::string&) {
    return fs::is_directory(status);
  });
}

std::vector<std::string> listExecutables(const fs::path& folder) {
  return listEntries(folder, [](const fs::file_status& status, const std::string& name) {
    return fs::is_regular_file(status) &&
           (hasExecuteBit(status.permissions()) || endsWithIgnoringCase(name, ".exe"));
  });
}

ProgramFinder::ProgramFinder(fs::path root)
    : root_(std::move(root)), subfolders_(listSubfolders(root_)) {}

std::optional<ProgramLocation> ProgramFinder::find(std::string_view name) const {
  const std::string* folder = firstStartingWith(subfolders_, name);
  if (folder == nullptr) return std::nullopt;
  const std::vector<std::string> executables = listExecutables(root_ / *folder);
  const std::string* executable = firstStartingWith(executables, name);
  if (executable == nullptr) return std::nullopt;
  return ProgramLocation{*folder, *executable};
}

ProgramPaths findPrograms(const fs::path& root) {
  const ProgramFinder finder(root);
  ProgramPaths paths;
  for (std::size_t row = 0; row < kProgramCount; ++row)
    paths[row] = finder.find(kProgramNames[row]);
  return paths;
}

}  // namespace konstel
