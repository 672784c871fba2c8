#include "design_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace impulsor {
namespace {

// The file of the default inputs, line by line.
const std::string kDefaultFile =
    "[INI_DATA]\r\n"
    "series\t= KVZN-TH cores\r\n"
    "core\t= KVZN1845-TH\r\n"
    "Umin\t= 200\r\n"
    "Unom\t= 300\r\n"
    "Umax\t= 350\r\n"
    "setevoe\t= 0\r\n"
    "F\t= 100\r\n"
    "Umirror\t= 120\r\n"
    "Utrmax\t= 600\r\n"
    "j\t= 5\r\n"
    "Rds\t= 3\r\n"
    "Unas\t= 1\r\n"
    "rds\t= 1\r\n"
    "Iccm\t= 60\r\n"
    "ko\t= 0.4\r\n"
    "stek\t= 1\r\n"
    "tamax\t= 55\r\n"
    "tdmax\t= 125\r\n"
    "Racdc\t= 1,1\r\n"
    "pri_sec\t= 0\r\n"
    "U21\t= 12\r\n"
    "U22\t= \r\n"
    "U23\t= \r\n"
    "I21\t= 2\r\n"
    "I22\t= \r\n"
    "I23\t= \r\n"
    "Ud1\t= 0,6\r\n"
    "Ud2\t= \r\n"
    "Ud3\t= \r\n"
    "w11\t= 247\r\n"
    "d11\t= 0,25\r\n"
    "d21\t= 0,475\r\n"
    "d22\t= \r\n"
    "d23\t= \r\n"
    "n11\t= 1\r\n"
    "n21\t= 3\r\n"
    "n22\t= \r\n"
    "n23\t= \r\n";

// What a file read back holds for the defaults: the decimal commas have become points.
DesignInputs defaultsAsRead() {
  DesignInputs expected;
  expected.Racdc = "1.1";
  expected.Ud1 = "0.6";
  expected.d11 = "0.25";
  expected.d21 = "0.475";
  return expected;
}

// A record with every text empty and every selector 0: what a file without keys gives.
DesignInputs emptyInputs() {
  DesignInputs inputs;
  for (const InputKey& key : kInputKeys) {
    if (key.text) inputs.*key.text = "";
    if (key.number) inputs.*key.number = 0;
  }
  return inputs;
}

TEST(DesignFileBytes, DefaultsGiveTheSectionAndThe38KeyLines) {
  EXPECT_EQ(designFileBytes(DesignInputs{}), kDefaultFile);
}

TEST(DesignFileBytes, TextsAreWrittenInWindows1251) {
  DesignInputs inputs;
  inputs.series = "Серия";
  inputs.core = "Кольцо-15";
  const std::string bytes = designFileBytes(inputs);
  EXPECT_NE(bytes.find("series\t= \xD1\xE5\xF0\xE8\xFF\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("core\t= \xCA\xEE\xEB\xFC\xF6\xEE-15\r\n"), std::string::npos);
}

TEST(ParseDesignFile, DefaultFileReadsAsTheDefaultsWithPoints) {
  const DesignFileRead read = parseDesignFile(kDefaultFile, "a.sav");
  ASSERT_EQ(read.status, DesignFileStatus::Ok) << read.message;
  EXPECT_EQ(read.inputs, defaultsAsRead());
}

struct MissingKeysCase {
  const char* what;
  std::string bytes;
};

void PrintTo(const MissingKeysCase& c, std::ostream* os) { *os << c.what; }

class FileWithoutKeys : public ::testing::TestWithParam<MissingKeysCase> {};

TEST_P(FileWithoutKeys, EmptiesEveryTextAndZeroesEverySelector) {
  const DesignFileRead read = parseDesignFile(GetParam().bytes, "a.sav");
  ASSERT_EQ(read.status, DesignFileStatus::Ok) << read.message;
  EXPECT_EQ(read.inputs, emptyInputs());
}

INSTANTIATE_TEST_SUITE_P(Files, FileWithoutKeys,
                         ::testing::Values(MissingKeysCase{"section only", "[INI_DATA]\r\n"},
                                           MissingKeysCase{"section name only", "INI_DATA"}));

// Without the section it is no design file: loading it would empty every input.
class FileWithoutSection : public ::testing::TestWithParam<MissingKeysCase> {};

TEST_P(FileWithoutSection, IsRefusedAsNoDesignFile) {
  const DesignFileRead read = parseDesignFile(GetParam().bytes, "a.sav");
  EXPECT_EQ(read.status, DesignFileStatus::Damaged);
  EXPECT_EQ(read.message,
            "Файл \"a.sav\" не является файлом расчета:\nв нем нет раздела [INI_DATA].\n"
            "Данные не загружены.");
}

INSTANTIATE_TEST_SUITE_P(Files, FileWithoutSection,
                         ::testing::Values(MissingKeysCase{"empty file", ""},
                                           // The keys count only after the section name.
                                           MissingKeysCase{"no section", kDefaultFile.substr(12)},
                                           MissingKeysCase{"other section",
                                                           "[DATA]\r\nUmin\t= 200\r\n"}));

TEST(ParseDesignFile, MissingLineEmptiesOnlyItsField) {
  std::string bytes = kDefaultFile;
  bytes.erase(bytes.find("U21\t= 12\r\n"), 10);
  bytes.erase(bytes.find("rds\t= 1\r\n"), 9);
  const DesignFileRead read = parseDesignFile(bytes, "a.sav");
  ASSERT_EQ(read.status, DesignFileStatus::Ok) << read.message;
  DesignInputs expected = defaultsAsRead();
  expected.U21 = "";
  expected.rds = 0;
  EXPECT_EQ(read.inputs, expected);
}

TEST(ParseDesignFile, ValuesAreTrimmedOfSpacesButNotTabs) {
  const DesignFileRead read =
      parseDesignFile("[INI_DATA]\r\nUmin\t=   230  \r\nF\t= 66\t\r\nsetevoe\t=  1 \r\n", "a.sav");
  ASSERT_EQ(read.status, DesignFileStatus::Ok) << read.message;
  EXPECT_EQ(read.inputs.Umin, "230");
  EXPECT_EQ(read.inputs.F, "66\t");
  EXPECT_EQ(read.inputs.setevoe, 1);
}

TEST(ParseDesignFile, SelectorsTakeTheLeadingInteger) {
  const DesignFileRead read =
      parseDesignFile("[INI_DATA]\r\nsetevoe\t= 1x\r\nrds\t= abc\r\npri_sec\t= -2\r\n", "a.sav");
  ASSERT_EQ(read.status, DesignFileStatus::Ok) << read.message;
  EXPECT_EQ(read.inputs.setevoe, 1);
  EXPECT_EQ(read.inputs.rds, 0);
  EXPECT_EQ(read.inputs.pri_sec, -2);
}

struct DamagedCase {
  const char* what;
  std::string bytes;
  std::string problem;
};

void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.what; }

class DamagedDesignFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedDesignFile, CommitsNothingAndNamesTheFile) {
  const DesignFileRead read = parseDesignFile(GetParam().bytes, "Мой проект.sav");
  EXPECT_EQ(read.status, DesignFileStatus::Damaged);
  EXPECT_EQ(read.message, "Файл \"Мой проект.sav\" поврежден:\n" + GetParam().problem +
                              ".\nДанные не загружены.");
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedDesignFile,
    ::testing::Values(DamagedCase{"last line without its line end",
                                  kDefaultFile.substr(0, kDefaultFile.size() - 2),
                                  "значение ключа n23 не завершено переводом строки"},
                      DamagedCase{"LF-only line ends", "[INI_DATA]\nseries\t= A\ncore\t= B\n",
                                  "значение ключа series не завершено переводом строки"},
                      DamagedCase{"key without '='", "[INI_DATA]\r\nUmin 200\r\n",
                                  "после ключа Umin нет знака \"=\""}));

TEST(DefaultDesignFileName, DefaultInputs) {
  EXPECT_EQ(defaultDesignFileName(DesignInputs{}), "KVZN1845-TH100kHz, 200V, (120V), 12Vx2A.sav");
}

struct NameCase {
  const char* what;
  std::string U22, I22, I21, F;
  std::string expected;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

class ProposedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProposedName, NamesCoreSupplyAndOutputs) {
  const NameCase& c = GetParam();
  DesignInputs inputs;
  inputs.U22 = c.U22;
  inputs.I22 = c.I22;
  inputs.I21 = c.I21;
  inputs.F = c.F;
  EXPECT_EQ(defaultDesignFileName(inputs), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ProposedName,
    ::testing::Values(NameCase{"second output", "5", "0.5", "2", "100",
                               "KVZN1845-TH100kHz, 200V, (120V), 12Vx2A, 5Vx0,5A.sav"},
                      NameCase{"current with a comma", "", "", "2,5", "100",
                               "KVZN1845-TH100kHz, 200V, (120V), 12Vx2,5A.sav"},
                      NameCase{"current with a point", "", "", "2.5", "100",
                               "KVZN1845-TH100kHz, 200V, (120V), 12Vx2,5A.sav"},
                      NameCase{"fractional frequency", "", "", "2", "66.7",
                               "KVZN1845-TH66,7kHz, 200V, (120V), 12Vx2A.sav"}));

TEST(DefaultDesignFileName, OutputWithoutVoltageIsLeftOut) {
  DesignInputs inputs;
  inputs.U21 = "";
  inputs.U23 = "3.3";
  inputs.I23 = "1";
  EXPECT_EQ(defaultDesignFileName(inputs), "KVZN1845-TH100kHz, 200V, (120V), 3,3Vx1A.sav");
}

TEST(WithSavExtension, AppendsOnlyWhenSavOccursNowhere) {
  EXPECT_EQ(withSavExtension("abc"), "abc.sav");
  EXPECT_EQ(withSavExtension("abc.sav"), "abc.sav");
  EXPECT_EQ(withSavExtension("abc.sav.bak"), "abc.sav.bak");
  EXPECT_EQ(withSavExtension("abc.SAV"), "abc.SAV.sav");
}

// ---- On disk -------------------------------------------------------------------------------

class DesignFileOnDisk : public ::testing::Test {
 protected:
  test::TempFolder folder;
};

TEST_F(DesignFileOnDisk, WrittenAndReadBackGivesTheSameInputsWithPoints) {
  DesignInputs inputs;
  inputs.series = "Кольца МП";
  inputs.core = "Кольцо-15";
  inputs.setevoe = 1;
  inputs.rds = 0;
  inputs.pri_sec = 1;
  inputs.U22 = "5";
  inputs.I22 = "0,5";
  const auto file = folder.path() / kSettingsFileName;

  ASSERT_EQ(writeDesignFile(file, inputs), std::nullopt);
  const DesignFileRead read = readDesignFile(file);

  ASSERT_EQ(read.status, DesignFileStatus::Ok) << read.message;
  DesignInputs expected = inputs;
  expected.Racdc = "1.1";
  expected.Ud1 = "0.6";
  expected.d11 = "0.25";
  expected.d21 = "0.475";
  expected.I22 = "0.5";
  EXPECT_EQ(read.inputs, expected);
}

TEST_F(DesignFileOnDisk, WritingReplacesTheOldFileAndLeavesNothingElse) {
  const auto file = folder.write("a.sav", "old contents");
  ASSERT_EQ(writeDesignFile(file, DesignInputs{}), std::nullopt);
  EXPECT_EQ(test::readAll(file), kDefaultFile);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(DesignFileOnDisk, FailedWriteLeavesTheOldFile) {
  const auto file = folder.write("a.sav", "old contents");
  // The file beside it that the new contents go to first cannot be created.
  std::filesystem::create_directory(folder.path() / "a.sav.tmp");

  const auto message = writeDesignFile(file, DesignInputs{});

  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("Не удалось сохранить файл \"a.sav\":\n", 0), 0u) << *message;
  EXPECT_GT(message->size(), std::string("Не удалось сохранить файл \"a.sav\":\n").size());
  EXPECT_EQ(test::readAll(file), "old contents");
}

TEST_F(DesignFileOnDisk, WriteToAFolderPathFails) {
  std::filesystem::create_directory(folder.path() / "b.sav");
  const auto message = writeDesignFile(folder.path() / "b.sav", DesignInputs{});
  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("Не удалось сохранить файл \"b.sav\":\n", 0), 0u) << *message;
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "b.sav"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "b.sav.tmp"));
}

TEST_F(DesignFileOnDisk, WriteIntoAMissingFolderFails) {
  const auto file = folder.path() / "missing" / "c.sav";
  const auto message = writeDesignFile(file, DesignInputs{});
  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("Не удалось сохранить файл \"c.sav\":\n", 0), 0u) << *message;
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(DesignFileOnDisk, MissingFileCannotBeOpened) {
  const DesignFileRead read = readDesignFile(folder.path() / "нет.sav");
  EXPECT_EQ(read.status, DesignFileStatus::CannotOpen);
  EXPECT_EQ(read.message, "Не удалось открыть файл \"нет.sav\".");
}

TEST_F(DesignFileOnDisk, FilesOf10000BytesOrMoreAreRefused) {
  // Lines after the keys are ignored, so padding keeps the file readable.
  const std::string padding = "; comment\r\n";
  std::string bytes = kDefaultFile;
  while (bytes.size() + padding.size() < kDesignFileLimit) bytes += padding;
  bytes.resize(kDesignFileLimit - 1, ' ');

  const DesignFileRead below = readDesignFile(folder.write("below.sav", bytes));
  EXPECT_EQ(below.status, DesignFileStatus::Ok) << below.message;
  EXPECT_EQ(below.inputs, defaultsAsRead());

  const DesignFileRead limit = readDesignFile(folder.write("limit.sav", bytes + " "));
  EXPECT_EQ(limit.status, DesignFileStatus::TooLarge);
  EXPECT_EQ(limit.message,
            "Файл \"limit.sav\" слишком велик (10000 байт и более).\nДанные не загружены.");
}

TEST_F(DesignFileOnDisk, DamagedFileIsReportedWithItsName) {
  const DesignFileRead read =
      readDesignFile(folder.write("d.sav", kDefaultFile.substr(0, kDefaultFile.size() - 2)));
  EXPECT_EQ(read.status, DesignFileStatus::Damaged);
  EXPECT_EQ(read.message.rfind("Файл \"d.sav\" поврежден:\n", 0), 0u) << read.message;
}

}  // namespace
}  // namespace impulsor
