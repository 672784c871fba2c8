// The series offered in the series list: the "*.txt" files of the working folder except the
// help file, in alphabetical order ignoring case, without their extension.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace impulsor {

std::vector<std::string> listSeries(const std::filesystem::path& folder);

}  // namespace impulsor
