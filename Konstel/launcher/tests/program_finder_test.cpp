#include "program_finder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "temp_folder.h"

namespace konstel {
namespace {

using testing::kExecutable;
using testing::kPlainFile;
using testing::TempFolder;

// One file of a folder tree; a path ending in "/" is an empty folder.
struct Entry {
  const char* path;
  std::filesystem::perms permissions = kExecutable;
};

struct FinderCase {
  const char* label;
  std::vector<Entry> tree;
  std::optional<ProgramLocation> expected;  // where "Impulsor" is found
};

void PrintTo(const FinderCase& c, std::ostream* out) { *out << c.label; }

void build(const TempFolder& root, const std::vector<Entry>& tree) {
  for (const Entry& entry : tree) {
    const std::string_view path = entry.path;
    if (path.ends_with('/')) {
      root.makeFolder(path);
    } else {
      root.writeFile(path, "#!/bin/sh\n", entry.permissions);
    }
  }
}

class KonstelFindImpulsor : public ::testing::TestWithParam<FinderCase> {};

TEST_P(KonstelFindImpulsor, FindsTheFirstMatchingExecutableOfTheFirstMatchingFolder) {
  const TempFolder root;
  build(root, GetParam().tree);
  EXPECT_EQ(ProgramFinder(root.path()).find("Impulsor"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, KonstelFindImpulsor,
    ::testing::Values(
        FinderCase{"folder named after the program with a suffix",
                   {{"Impulsor-new/Impulsor"}, {"Impulsor-new/Ferrite.txt", kPlainFile}},
                   ProgramLocation{"Impulsor-new", "Impulsor"}},
        FinderCase{"folder and file in other letter case",
                   {{"IMPULSOR/impulsor"}},
                   ProgramLocation{"IMPULSOR", "impulsor"}},
        FinderCase{"file copied from Windows keeps no execute bit",
                   {{"Impulsor/Impulsor.exe", kPlainFile}},
                   ProgramLocation{"Impulsor", "Impulsor.exe"}},
        FinderCase{"upper-case extension of a Windows file",
                   {{"Impulsor/IMPULSOR.EXE", kPlainFile}},
                   ProgramLocation{"Impulsor", "IMPULSOR.EXE"}},
        FinderCase{"file with the right name but no execute bit is no program",
                   {{"Impulsor/Impulsor", kPlainFile}},
                   std::nullopt},
        FinderCase{"plain files sorting first are passed over",
                   {{"Impulsor/Impulsor.ini", kPlainFile}, {"Impulsor/Impulsor.run"}},
                   ProgramLocation{"Impulsor", "Impulsor.run"}},
        FinderCase{"a folder inside the program folder is no program",
                   {{"Impulsor/Impulsor-data/"}},
                   std::nullopt},
        FinderCase{"executable whose name does not begin with the program name",
                   {{"Impulsor/start.sh"}},
                   std::nullopt},
        FinderCase{
            "program file lying directly in the searched folder", {{"Impulsor"}}, std::nullopt},
        FinderCase{"no folders at all", {}, std::nullopt},
        FinderCase{"only folders of other programs",
                   {{"Orvanta/Orvanta"}, {"Varnika/Varnika"}},
                   std::nullopt},
        // Byte order would put "Impulsor-b" first; the case-blind order puts "impulsor-a" first,
        // and only that folder is looked into.
        FinderCase{"only the first folder in case-blind order is searched",
                   {{"impulsor-a/"}, {"Impulsor-b/Impulsor"}},
                   std::nullopt},
        FinderCase{"the first folder in case-blind order holds the program",
                   {{"impulsor-a/Impulsor"}, {"Impulsor-b/Impulsor"}},
                   ProgramLocation{"impulsor-a", "Impulsor"}},
        FinderCase{"executables inside the folder in case-blind order",
                   {{"Impulsor/Impulsor-B"}, {"Impulsor/impulsor-a"}},
                   ProgramLocation{"Impulsor", "impulsor-a"}}));

TEST(KonstelFindPrograms, ReportsEveryRowOfTheTableInTableOrder) {
  const TempFolder root;
  build(root, {{"Orvanta 2/Orvanta.exe", kPlainFile},
               {"Impulsor/Impulsor"},
               {"varnika/VARNIKA-x64"},
               {"Tessant/readme.txt", kPlainFile}});

  const ProgramPaths paths = findPrograms(root.path());

  const ProgramPaths expected = {
      ProgramLocation{"Orvanta 2", "Orvanta.exe"},
      std::nullopt,
      ProgramLocation{"Impulsor", "Impulsor"},
      std::nullopt,
      std::nullopt,
      std::nullopt,
      std::nullopt,
      ProgramLocation{"varnika", "VARNIKA-x64"},
  };
  EXPECT_EQ(paths, expected);
}

TEST(KonstelFindPrograms, MissingFolderFindsNothing) {
  const TempFolder root;
  const ProgramPaths paths = findPrograms(root.path() / "gone");
  for (const auto& path : paths) EXPECT_FALSE(path.has_value());
}

TEST(KonstelProgramFinder, ListsFoldersOnceSoLaterCopiesWaitForTheNextStart) {
  const TempFolder root;
  const ProgramFinder finder(root.path());
  root.writeFile("Impulsor/Impulsor", "#!/bin/sh\n", kExecutable);

  EXPECT_EQ(finder.find("Impulsor"), std::nullopt);
  EXPECT_EQ(ProgramFinder(root.path()).find("Impulsor"), (ProgramLocation{"Impulsor", "Impulsor"}));
}

TEST(KonstelListSubfolders, SortsWithoutRegardToCaseAndLeavesFilesOut) {
  const TempFolder root;
  build(root, {{"beta/"}, {"Alpha/"}, {"gamma.txt", kPlainFile}, {"ALPHA2/"}, {"Delta/"}});
  EXPECT_EQ(listSubfolders(root.path()),
            (std::vector<std::string>{"Alpha", "ALPHA2", "beta", "Delta"}));
}

}  // namespace
}  // namespace konstel
