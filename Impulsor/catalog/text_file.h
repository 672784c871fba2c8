// Files on disk are Windows-1251 with CR LF; texts in memory are UTF-8.
// These are the only places where bytes and texts meet.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace impulsor {

std::string cp1251ToUtf8(std::string_view bytes);
// Characters Windows-1251 cannot hold become '?'.
std::string utf8ToCp1251(std::string_view text);

enum class ReadStatus { Ok, CannotOpen, TooLarge };

struct FileBytes {
  ReadStatus status = ReadStatus::Ok;
  std::string bytes;  // the file up to its first zero byte
};

// Reads a whole file; files of maxBytes or more are refused (TooLarge) without being read whole.
FileBytes readFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace impulsor
