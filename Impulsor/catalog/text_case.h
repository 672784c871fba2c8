// Comparing UTF-8 texts without regard to letter case, as the combo boxes and the sorted
// series list do: Latin letters and the Cyrillic letters of Windows-1251 (Ё/ё included).
#pragma once

#include <string>
#include <string_view>

namespace impulsor {

// Decodes the UTF-8 character at text[i] and advances i past it. A byte that does not start a
// valid sequence is taken alone and returned as kBrokenByte + its value, above the Unicode
// range, so that it never equals a letter.
inline constexpr char32_t kBrokenByte = 0x110000;
char32_t nextCharacter(std::string_view text, std::size_t& i);

// The text's characters in lower case; bytes that are not valid UTF-8 keep their own value.
std::u32string foldCase(std::string_view text);

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Alphabetical order ignoring case (ё right after е); texts that differ only in case are ordered by
// their bytes, so the order is total.
bool lessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace impulsor
