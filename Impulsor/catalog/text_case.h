// Comparing UTF-8 texts without regard to letter case, as the combo boxes and the sorted
// series list do: Latin letters and the Cyrillic letters of Windows-1251 (Ё/ё included).
#pragma once

#include <string>
#include <string_view>

namespace impulsor {

// The text's characters in lower case; bytes that are not valid UTF-8 keep their own value.
std::u32string foldCase(std::string_view text);

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Alphabetical order ignoring case (ё right after е); texts that differ only in case are ordered by
// their bytes, so the order is total.
bool lessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace impulsor
