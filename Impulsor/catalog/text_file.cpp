#include "text_file.h"

#include "text_case.h"

#include <array>
#include <fstream>
#include <system_error>

namespace impulsor {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0xFF of Windows-1251. Byte 0x98 has no character.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0 А..З
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8 И..П
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0 Р..Ч
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8 Ш..Я
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0 а..з
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8 и..п
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0 р..ч
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8 ш..я
};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char toCp1251(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c == kReplacement) return '?';
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    appendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{kUpperHalf[b - 0x80]});
  }
  return out;
}

std::string utf8ToCp1251(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = nextCharacter(text, i);
    // A broken sequence is one unrepresentable character per byte.
    out += c >= kBrokenByte ? '?' : toCp1251(c);
  }
  return out;
}

FileBytes readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  std::error_code error;
  // Only ordinary files: a folder, a pipe or a device under a file's name is no file of ours.
  if (!std::filesystem::is_regular_file(path, error)) return {ReadStatus::CannotOpen, {}};
  std::ifstream file(path, std::ios::binary);
  if (!file) return {ReadStatus::CannotOpen, {}};
  // Reading at most maxBytes bytes tells a too-large file without taking it whole,
  // also where the reported length cannot be trusted.
  std::string bytes(maxBytes, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
  if (file.bad()) return {ReadStatus::CannotOpen, {}};
  const auto count = static_cast<std::size_t>(file.gcount());
  if (count >= maxBytes) return {ReadStatus::TooLarge, {}};
  bytes.resize(count);
  const auto zero = bytes.find('\0');
  if (zero != std::string::npos) bytes.resize(zero);
  return {ReadStatus::Ok, std::move(bytes)};
}

}  // namespace impulsor
