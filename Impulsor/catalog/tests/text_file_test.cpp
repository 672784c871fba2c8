#include "text_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace impulsor {
namespace {

struct CodePageCase {
  const char* byte;  // one Windows-1251 byte
  const char* utf8;
};

class CodePage : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePage, ConvertsBothWays) {
  const auto [byte, utf8] = GetParam();
  EXPECT_EQ(cp1251ToUtf8(byte), utf8);
  EXPECT_EQ(utf8ToCp1251(utf8), byte);
}

// Windows-1251 code chart.
INSTANTIATE_TEST_SUITE_P(Chart, CodePage,
                         ::testing::Values(CodePageCase{"A", "A"},
                                           CodePageCase{"\xC0", "А"},  // first capital
                                           CodePageCase{"\xDF", "Я"}, CodePageCase{"\xE0", "а"},
                                           CodePageCase{"\xFF", "я"},  // last small letter
                                           CodePageCase{"\xA8", "Ё"}, CodePageCase{"\xB8", "ё"},
                                           CodePageCase{"\xB9", "№"}, CodePageCase{"\x88", "€"},
                                           CodePageCase{"\x80", "Ђ"}, CodePageCase{"\x96", "–"},
                                           CodePageCase{"\xB0", "°"}, CodePageCase{"\xB5", "µ"},
                                           CodePageCase{"\xA5", "Ґ"},
                                           CodePageCase{"\xA0", "\u00A0"}));

TEST(CodePage, CyrillicTextRoundTrips) {
  const std::string bytes = "\xD1\xE5\xF0\xE8\xFF \xCA\xEE\xEB\xFC\xF6\xEE-15";  // hand-coded
  EXPECT_EQ(cp1251ToUtf8(bytes), "Серия Кольцо-15");
  EXPECT_EQ(utf8ToCp1251("Серия Кольцо-15"), bytes);
}

TEST(CodePage, EveryDefinedByteSurvivesTheRoundTrip) {
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(byte)), byte) << "byte " << b;
  }
}

TEST(CodePage, UndefinedByteReadsAsReplacementCharacter) {
  EXPECT_EQ(cp1251ToUtf8("a\x98z"), "a\uFFFDz");
  EXPECT_EQ(utf8ToCp1251("a\uFFFDz"), "a?z");
}

TEST(CodePage, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1251("é日\U0001F600Ж"), "???\xC6");
  // A broken sequence: a lone continuation byte and a lead byte cut short at the end.
  EXPECT_EQ(utf8ToCp1251("a\x80"
                         "b\xD0"),
            "a?b?");
}

class ReadFileBytes : public ::testing::Test {
 protected:
  test::TempFolder folder;
};

TEST_F(ReadFileBytes, ReadsAFileJustBelowTheLimit) {
  const std::string bytes(99, 'x');
  const auto result = readFileBytes(folder.write("a.txt", bytes), 100);
  EXPECT_EQ(result.status, ReadStatus::Ok);
  EXPECT_EQ(result.bytes, bytes);
}

TEST_F(ReadFileBytes, RefusesAFileOfTheLimitOrMore) {
  EXPECT_EQ(readFileBytes(folder.write("a.txt", std::string(100, 'x')), 100).status,
            ReadStatus::TooLarge);
  EXPECT_EQ(readFileBytes(folder.write("b.txt", std::string(5000, 'x')), 100).status,
            ReadStatus::TooLarge);
}

TEST_F(ReadFileBytes, TextEndsAtTheFirstZeroByte) {
  const auto result = readFileBytes(folder.write("a.txt", std::string("ab\0cd", 5)), 100);
  EXPECT_EQ(result.status, ReadStatus::Ok);
  EXPECT_EQ(result.bytes, "ab");
}

TEST_F(ReadFileBytes, EmptyFileIsAnEmptyText) {
  const auto result = readFileBytes(folder.write("a.txt", ""), 100);
  EXPECT_EQ(result.status, ReadStatus::Ok);
  EXPECT_EQ(result.bytes, "");
}

TEST_F(ReadFileBytes, MissingFileOrFolderCannotBeOpened) {
  EXPECT_EQ(readFileBytes(folder.path() / "missing.txt", 100).status, ReadStatus::CannotOpen);
  EXPECT_EQ(readFileBytes(folder.path(), 100).status, ReadStatus::CannotOpen);
}

}  // namespace
}  // namespace impulsor
