// The value lookup on arbitrary bytes: the first two lines of the input are the anchor and the
// key, the rest is the text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lookup_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto first = input.find('\n');
  if (first == std::string_view::npos) return 0;
  const auto second = input.find('\n', first + 1);
  if (second == std::string_view::npos) return 0;
  const std::string_view anchor = input.substr(0, first);
  const std::string_view key = input.substr(first + 1, second - first - 1);
  const impulsor::LookupResult result =
      impulsor::lookupValue(input.substr(second + 1), anchor, key);
  // A found value never holds the CR that ends it, and never a comma.
  if (result.status == impulsor::LookupStatus::Found &&
      (result.value.find('\r') != std::string::npos || result.value.find(',') != std::string::npos))
    __builtin_trap();
  return 0;
}
