#include "lookup_value.h"

#include <gtest/gtest.h>

namespace impulsor {
namespace {

struct LookupCase {
  const char* what;
  std::string_view text;
  std::string_view anchor;
  std::string_view key;
  LookupStatus status;
  std::string_view value;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.what; }

class Lookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, FindsTheValueAfterAnchorAndKey) {
  const LookupCase& c = GetParam();
  const LookupResult result = lookupValue(c.text, c.anchor, c.key);
  EXPECT_EQ(result.status, c.status);
  EXPECT_EQ(result.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, Lookup,
    ::testing::Values(
        LookupCase{"value of the section", "[A]\r\nOD = 12\r\n[B]\r\nOD = 20\r\n", "B", "OD",
                   LookupStatus::Found, "20"},
        LookupCase{"decimal comma becomes a point", "[A]\r\nAL = 0,075\r\n", "A", "AL",
                   LookupStatus::Found, "0.075"},
        LookupCase{"key search runs past the section", "[A]\r\nOD = 12\r\n[B]\r\nle = 30\r\n", "A",
                   "le", LookupStatus::Found, "30"},
        LookupCase{"a key before the anchor is not seen", "le = 1\r\n[A]\r\nle = 2\r\n", "A", "le",
                   LookupStatus::Found, "2"},
        LookupCase{"first occurrence of the key: OD inside OD0", "[A]\r\nOD0 = 46\r\nOD = 45\r\n",
                   "A", "OD", LookupStatus::Found, "46"},
        LookupCase{"anchor found inside an earlier name",
                   "[KV10]\r\nOD = 10\r\n[KV1]\r\nOD = 1\r\n", "KV1", "OD", LookupStatus::Found,
                   "10"},
        LookupCase{"key inside a value takes the next '='",
                   "[INI_DATA]\r\nseries\t= KVZN-TH cores\r\ncore\t= KVZN1845-TH\r\n", "INI_DATA",
                   "core", LookupStatus::Found, "KVZN1845-TH"},
        LookupCase{"'=' on a later line", "[A]\r\nK\r\nX = 3\r\n", "A", "K", LookupStatus::Found,
                   "3"},
        LookupCase{"spaces trimmed, inner spaces kept", "K =   a b  \r\n", "", "K",
                   LookupStatus::Found, "a b"},
        LookupCase{"tabs are not trimmed", "K =\t5\t\r\n", "", "K", LookupStatus::Found, "\t5\t"},
        LookupCase{"line feed after the CR does no harm", "K = 7\r\nL = 8\r\n", "", "L",
                   LookupStatus::Found, "8"},
        LookupCase{"empty value", "K =\r\n", "", "K", LookupStatus::Found, ""},
        LookupCase{"anchor is case-sensitive", "[A]\r\nOD = 1\r\n", "a", "OD",
                   LookupStatus::Missing, ""},
        LookupCase{"key is case-sensitive", "[A]\r\nOD = 1\r\n", "A", "od", LookupStatus::Missing,
                   ""},
        LookupCase{"missing anchor", "[A]\r\nOD = 1\r\n", "B", "OD", LookupStatus::Missing, ""},
        LookupCase{"missing key", "[A]\r\nOD = 1\r\n", "A", "ID", LookupStatus::Missing, ""},
        LookupCase{"empty text", "", "", "OD", LookupStatus::Missing, ""},
        LookupCase{"no '=' after the key", "[A]\r\nOD 5\r\n", "A", "OD", LookupStatus::NoEquals,
                   ""},
        LookupCase{"last line without CR", "[A]\r\nOD = 5", "A", "OD",
                   LookupStatus::NoCarriageReturn, ""},
        LookupCase{"LF-only line ends", "[A]\nOD = 5\nID = 3\n", "A", "OD",
                   LookupStatus::NoCarriageReturn, ""}));

TEST(Lookup, DamagedResultsAreNotOk) {
  EXPECT_TRUE(lookupValue("K = 1\r\n", "", "K").ok());
  EXPECT_TRUE(lookupValue("K = 1\r\n", "", "L").ok());
  EXPECT_FALSE(lookupValue("K 1\r\n", "", "K").ok());
  EXPECT_FALSE(lookupValue("K = 1", "", "K").ok());
}

}  // namespace
}  // namespace impulsor
