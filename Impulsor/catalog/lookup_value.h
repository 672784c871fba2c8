// The value lookup shared by series files and design files, on the file's raw bytes:
// the first occurrence of the anchor, then the first occurrence of the key at or after it
// (the search runs on past the anchor's block), the value from the next '=' to the next CR,
// commas replaced by points, spaces trimmed.
#pragma once

#include <string>
#include <string_view>

namespace impulsor {

enum class LookupStatus {
  Found,          // value holds the text (possibly empty)
  Missing,        // anchor or key not found: the empty text
  NoEquals,       // the key has no '=' anywhere after it: a damaged file
  NoCarriageReturn  // the value is not ended by a CR: a damaged file
};

struct LookupResult {
  LookupStatus status = LookupStatus::Missing;
  std::string value;
  bool ok() const { return status == LookupStatus::Found || status == LookupStatus::Missing; }
};

LookupResult lookupValue(std::string_view text, std::string_view anchor, std::string_view key);

}  // namespace impulsor
