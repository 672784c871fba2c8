#include "text_case.h"

namespace impulsor {

char32_t nextCharacter(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  char32_t c = lead & (0x7F >> length);
  bool valid = length > 1 && i + length <= text.size();
  for (int k = 1; valid && k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    valid = (next & 0xC0) == 0x80;
    c = (c << 6) | (next & 0x3F);
  }
  if (!valid) {
    ++i;
    return kBrokenByte + lead;
  }
  i += length;
  return c;
}

namespace {

char32_t lower(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them
  if (c == 0x0490) return 0x0491;                   // Ґ
  return c;
}

}  // namespace

std::u32string foldCase(std::string_view text) {
  std::u32string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) folded += lower(nextCharacter(text, i));
  return folded;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return foldCase(text).starts_with(foldCase(prefix));
}

namespace {

// Alphabetical order: as in the Russian alphabet, ё comes right after е, not after я.
std::u32string sortKey(std::string_view text) {
  std::u32string key = foldCase(text);
  for (char32_t& c : key) c = c == 0x0451 ? 0x0435 * 2 + 1 : c * 2;
  return key;
}

}  // namespace

bool lessIgnoringCase(std::string_view a, std::string_view b) {
  const auto keyA = sortKey(a);
  const auto keyB = sortKey(b);
  if (keyA != keyB) return keyA < keyB;
  return a < b;
}

}  // namespace impulsor
