#include "series_list.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace impulsor {
namespace {

using Names = std::vector<std::string>;

class ListSeries : public ::testing::Test {
 protected:
  void files(const Names& names) {
    for (const auto& name : names) folder.write(name, "");
  }
  test::TempFolder folder;
};

TEST_F(ListSeries, SortedIgnoringCaseWithoutTheHelpFile) {
  files({"ReadMe.txt", "B series.txt", "a series.txt"});
  EXPECT_EQ(listSeries(folder.path()), (Names{"a series", "B series"}));
}

TEST_F(ListSeries, TakesOnlyTxtFilesInAnyLetterCase) {
  files({"KVZN-TH cores.TXT", "notes.doc", "Impulsor.ini", "design.sav", "old.txt.bak",
         "Кольца МП.Txt"});
  std::filesystem::create_directory(folder.path() / "folder.txt");
  EXPECT_EQ(listSeries(folder.path()), (Names{"KVZN-TH cores", "Кольца МП"}));
}

TEST_F(ListSeries, RemovesOnlyTheFirstEntryBeginningWithTheHelpFileName) {
  files({"readme.TXT", "ReadMe.txt.old.txt", "Cores.txt"});
  EXPECT_EQ(listSeries(folder.path()), (Names{"Cores", "ReadMe.txt.old"}));
}

TEST_F(ListSeries, CyrillicNamesFollowTheirAlphabet) {
  files({"Ферриты.txt", "альсифер.txt", "Ёмкие.txt", "Жуки.txt", "Ежи.txt", "Zeta.txt"});
  EXPECT_EQ(listSeries(folder.path()),
            (Names{"Zeta", "альсифер", "Ежи", "Ёмкие", "Жуки", "Ферриты"}));
}

TEST_F(ListSeries, EmptyOrMissingFolderGivesNoSeries) {
  EXPECT_TRUE(listSeries(folder.path()).empty());
  EXPECT_TRUE(listSeries(folder.path() / "missing").empty());
}

}  // namespace
}  // namespace impulsor
