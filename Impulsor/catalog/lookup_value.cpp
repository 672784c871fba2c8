#include "lookup_value.h"

#include <algorithm>

namespace impulsor {

LookupResult lookupValue(std::string_view text, std::string_view anchor, std::string_view key) {
  const auto anchorAt = text.find(anchor);
  if (anchorAt == std::string_view::npos) return {};
  const auto keyAt = text.find(key, anchorAt);
  if (keyAt == std::string_view::npos) return {};
  const auto equalsAt = text.find('=', keyAt);
  if (equalsAt == std::string_view::npos) return {LookupStatus::NoEquals, {}};
  const auto endAt = text.find('\r', equalsAt + 1);
  if (endAt == std::string_view::npos) return {LookupStatus::NoCarriageReturn, {}};

  std::string_view value = text.substr(equalsAt + 1, endAt - equalsAt - 1);
  // Only the space is trimmed: a TAB before the CR is part of the value.
  const auto first = value.find_first_not_of(' ');
  value = first == std::string_view::npos ? std::string_view{} : value.substr(first);
  value = value.substr(0, value.find_last_not_of(' ') + 1);

  std::string result(value);
  std::replace(result.begin(), result.end(), ',', '.');
  return {LookupStatus::Found, std::move(result)};
}

}  // namespace impulsor
