#include "core_catalog.h"

#include <gtest/gtest.h>

#include "text_case.h"

namespace impulsor {
namespace {

const std::vector<std::string> kEntries = {"KVZN1845-TH", "KVZN18-TH", "Кольцо-15", "Ёлка", "ring"};

struct PrefixCase {
  std::string_view prefix;
  int index;
};

class PrefixIgnoringCase : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixIgnoringCase, FindsTheFirstEntryThatBeginsWithIt) {
  EXPECT_EQ(findPrefixIgnoringCase(kEntries, GetParam().prefix), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PrefixIgnoringCase,
    ::testing::Values(PrefixCase{"KVZN1845-TH", 0},  // exact name
                      PrefixCase{"kvzn18", 0},       // prefix of two: the first in list order
                      PrefixCase{"kvzn18-", 1},
                      PrefixCase{"КОЛЬЦО", 2},  // Cyrillic capitals fold to small letters
                      PrefixCase{"кольцо-15", 2}, PrefixCase{"ёЛ", 3},  // Ё/ё are a pair too
                      PrefixCase{"RING", 4}, PrefixCase{"", 0},
                      PrefixCase{"KVZN1845-TH-X", -1},  // longer than every entry
                      PrefixCase{"Кольцо-16", -1}));

TEST(PrefixIgnoringCase, EmptyListHasNoEntry) { EXPECT_EQ(findPrefixIgnoringCase({}, "a"), -1); }

TEST(CaseFolding, OrdersAlphabeticallyIgnoringCase) {
  EXPECT_TRUE(lessIgnoringCase("a series", "B series"));
  EXPECT_FALSE(lessIgnoringCase("B series", "a series"));
  EXPECT_TRUE(lessIgnoringCase("абв", "БВГ"));
  EXPECT_TRUE(lessIgnoringCase("z", "а"));     // Latin letters before Cyrillic
  EXPECT_TRUE(lessIgnoringCase("ель", "Ёж"));  // ё right after е
  EXPECT_TRUE(lessIgnoringCase("ёж", "жук"));
  EXPECT_TRUE(startsWithIgnoringCase("README.TXT", "ReadMe.txt"));
  EXPECT_FALSE(startsWithIgnoringCase("ReadMe", "ReadMe.txt"));
}

CoreCatalog catalogOf(const std::vector<std::string>& names) {
  CoreCatalog catalog;
  for (const auto& name : names) {
    CoreRecord core;
    core.name = name;
    catalog.cores.push_back(core);
  }
  return catalog;
}

TEST(SelectCoreByName, FirstCoreWhoseNameBeginsWithIt) {
  CoreCatalog catalog = catalogOf({"KVZN1000-TH", "KVZN1845-TH", "KVZN1845-TH2"});
  EXPECT_EQ(coreNames(catalog),
            (std::vector<std::string>{"KVZN1000-TH", "KVZN1845-TH", "KVZN1845-TH2"}));

  EXPECT_EQ(selectCoreByName(catalog, "kvzn1845"), 1);
  EXPECT_EQ(catalog.currentCore, 1);
  EXPECT_EQ(selectCoreByName(catalog, "KVZN1845-TH2"), 2);
  EXPECT_EQ(catalog.currentCore, 2);
}

TEST(SelectCoreByName, UnknownNameSelectsTheFirstCore) {
  CoreCatalog catalog = catalogOf({"KVZN1000-TH", "KVZN1845-TH"});
  catalog.currentCore = 7;  // left from a larger series
  EXPECT_EQ(selectCoreByName(catalog, "KVZN9999"), 0);
  EXPECT_EQ(catalog.currentCore, 0);
}

TEST(SelectCoreByName, EmptyCatalogHasNoCore) {
  CoreCatalog catalog;
  EXPECT_EQ(selectCoreByName(catalog, "KVZN1845-TH"), -1);
  EXPECT_TRUE(coreNames(catalog).empty());
}

}  // namespace
}  // namespace impulsor
