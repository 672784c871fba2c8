#include "series_list.h"

#include <algorithm>
#include <system_error>

#include "text_case.h"

namespace impulsor {

namespace {

constexpr std::string_view kExtension = ".txt";
constexpr std::string_view kHelpFile = "ReadMe.txt";

bool hasTxtExtension(std::string_view name) {
  return name.size() >= kExtension.size() &&
         foldCase(name.substr(name.size() - kExtension.size())) == U".txt";
}

}  // namespace

std::vector<std::string> listSeries(const std::filesystem::path& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (hasTxtExtension(name)) files.push_back(std::move(name));
  }
  std::sort(files.begin(), files.end(),
            [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });

  // Like the list box search: only the first entry that begins with the help file's name goes.
  const auto help = std::find_if(files.begin(), files.end(), [](const std::string& name) {
    return startsWithIgnoringCase(name, kHelpFile);
  });
  if (help != files.end()) files.erase(help);

  for (auto& name : files) name.resize(name.size() - kExtension.size());
  return files;
}

}  // namespace impulsor
