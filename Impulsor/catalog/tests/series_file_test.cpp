#include "series_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace impulsor {
namespace {

// One core section as the file holds it (Windows-1251 bytes, CR LF).
struct CoreLines {
  std::string name;
  std::string OD = "20", ID = "10", OH = "7", le = "44", Ae = "30", AL = "0,1";
};

std::string section(const CoreLines& c) {
  return "[" + c.name + "]\r\nOD = " + c.OD + "\r\nID = " + c.ID + "\r\nOH = " + c.OH +
         "\r\nOD0 = " + c.OD + "\r\nID0 = " + c.ID + "\r\nH0 = " + c.OH + "\r\nle = " + c.le +
         "\r\nAe = " + c.Ae + "\r\nAL = " + c.AL + "\r\n";
}

// Material data valid for a design: 3 field points, 3 frequencies, 3 flux densities,
// loss rows at 100 and 200 kHz (the second lacks its 100 mT cell).
const std::string kMaterial =
    "[END]\r\n"
    "[H, Oersteads]\r\nH0 = 0\r\nH1 = 10\r\nH2 = 100\r\n"
    "mu_H0 = 1\r\nmu_H1 = 0,9\r\nmu_H2 = 0,5\r\n"
    "[Frequencies, kHz]\r\nF0 = 10\r\nF1 = 100\r\nF2 = 200\r\n"
    "[Relative mu vs H]\r\nmu_F0 = 1\r\nmu_F1 = 0,98\r\nmu_F2 = 0,95\r\n"
    "[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\n"
    "[F_100]\r\nB_50 = 10\r\nB_100 = 40\r\nB_200 = 150\r\n"
    "[F_200]\r\nB_50 = 25\r\nB_200 = 400\r\n"
    "[Others]\r\nro = 7,3\r\nHmax = 150\r\ntmax = 155\r\n";

// "Кольцо-15" in Windows-1251.
const std::string kRingName = "\xCA\xEE\xEB\xFC\xF6\xEE-15";

std::string validSeries() {
  return "KVZN test series\r\n" +
         section({"KVZN2000-TH", "20,0", "10", "7", "44", "30", "0,1"}) +        // AL·le² 193.6
         section({"KVZN1000-TH", "10", "5", "4", "22", "10", "0,05"}) +          // 24.2
         section({kRingName, "15", "8", "6", "32", "20", "0,075"}) + kMaterial;  // 76.8
}

TEST(SeriesFile, ReadsCoresSortedByALTimesLeSquared) {
  const SeriesParse parsed = parseSeriesFile(validSeries());
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  const CoreCatalog& catalog = *parsed.catalog;
  EXPECT_EQ(coreNames(catalog),
            (std::vector<std::string>{"KVZN1000-TH", "Кольцо-15", "KVZN2000-TH"}));
  EXPECT_EQ(catalog.lastCore(), 2);

  const CoreRecord& small = catalog.cores[0];
  EXPECT_DOUBLE_EQ(small.OD, 10);
  EXPECT_DOUBLE_EQ(small.ID, 5);
  EXPECT_DOUBLE_EQ(small.OH, 4);
  EXPECT_DOUBLE_EQ(small.le, 22);
  EXPECT_DOUBLE_EQ(small.Ae, 10);
  EXPECT_DOUBLE_EQ(small.AL, 0.05);
  EXPECT_NEAR(small.Wa, 19.634954084936208, 1e-12);  // π·5²/4
  EXPECT_DOUBLE_EQ(catalog.cores[1].AL, 0.075);      // written 0,075
  // The title texts are kept as written, with the comma turned into a point.
  EXPECT_EQ(catalog.cores[2].OD0, "20.0");
  EXPECT_EQ(catalog.cores[2].ID0, "10");
  EXPECT_EQ(catalog.cores[2].H0, "7");
}

TEST(SeriesFile, ReadsTheMaterialTables) {
  const SeriesParse parsed = parseSeriesFile(validSeries());
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  const MaterialData& m = parsed.catalog->material;

  EXPECT_EQ(m.lastH, 2);
  EXPECT_DOUBLE_EQ(m.muH[1].x, 10);
  EXPECT_DOUBLE_EQ(m.muH[1].factor, 0.9);
  EXPECT_DOUBLE_EQ(m.muH[2].x, 100);
  EXPECT_DOUBLE_EQ(m.muH[2].factor, 0.5);

  EXPECT_EQ(m.lastF, 2);
  EXPECT_DOUBLE_EQ(m.muF[0].x, 10);
  EXPECT_DOUBLE_EQ(m.muF[2].factor, 0.95);

  EXPECT_EQ(m.nB, 3);
  // Flux densities are written in mT and kept in T.
  EXPECT_DOUBLE_EQ(m.loss[0][1], 0.05);
  EXPECT_DOUBLE_EQ(m.loss[0][2], 0.1);
  EXPECT_DOUBLE_EQ(m.loss[0][3], 0.2);
  // "Frequencies" is first found in "Frequencies, kHz": the rows are its points 1, 2.
  EXPECT_DOUBLE_EQ(m.loss[0][0], 10);
  EXPECT_DOUBLE_EQ(m.loss[1][0], 100);
  EXPECT_DOUBLE_EQ(m.loss[2][0], 200);
  const std::array<double, 4> row100 = {100, 10, 40, 150};
  const std::array<double, 4> row200 = {200, 25, 0, 400};  // missing B_100 cell reads 0
  for (int j = 1; j <= 3; ++j) {
    EXPECT_DOUBLE_EQ(m.loss[1][j], row100[j]) << "column " << j;
    EXPECT_DOUBLE_EQ(m.loss[2][j], row200[j]) << "column " << j;
  }
  EXPECT_DOUBLE_EQ(m.loss[3][0], 0);

  EXPECT_DOUBLE_EQ(m.ro, 7.3);
  EXPECT_DOUBLE_EQ(m.Hmax, 150);
  EXPECT_DOUBLE_EQ(m.tmax, 155);
  EXPECT_EQ(m.tmaxText, "155");
}

TEST(SeriesFile, EmptyFileIsAnEmptyCatalog) {
  for (const std::string bytes : {"", "no cores here\r\n"}) {
    const SeriesParse parsed = parseSeriesFile(bytes);
    ASSERT_TRUE(parsed.catalog) << parsed.problem;
    const CoreCatalog& catalog = *parsed.catalog;
    EXPECT_TRUE(catalog.empty());
    EXPECT_EQ(catalog.lastCore(), -1);
    EXPECT_EQ(catalog.material.lastH, -1);
    EXPECT_EQ(catalog.material.lastF, -1);
    EXPECT_EQ(catalog.material.nB, 0);
    EXPECT_EQ(catalog.material.ro, 0);
    EXPECT_EQ(catalog.material.Hmax, 0);
    EXPECT_EQ(catalog.material.tmax, 0);
    EXPECT_EQ(catalog.material.tmaxText, "");
  }
}

TEST(SeriesFile, MaterialWithoutCoresIsNotChecked) {
  // Nothing is designed from a series without cores, so its tables need not be usable.
  const std::string bytes =
      "[END]\r\n[H, Oersteads]\r\nH0 = 5\r\nH1 = 1\r\nmu_H0 = 0\r\nmu_H1 = -1\r\n"
      "[Others]\r\nro = 0\r\n";
  const SeriesParse parsed = parseSeriesFile(bytes);
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  EXPECT_EQ(parsed.catalog->material.lastH, 1);
}

TEST(SeriesFile, EqualKeysKeepTheOrderOfTheExchangeSort) {
  // Keys 2, 2, 1 (AL·le² with le = 10): position 0 meets C first and swaps it with A,
  // then B and A are equal and stay, so A ends last although it came first.
  const std::string bytes = section({"KVA", "20", "10", "7", "10", "30", "0,02"}) +
                            section({"KVB", "20", "10", "7", "10", "30", "0,02"}) +
                            section({"KVC", "20", "10", "7", "10", "30", "0,01"}) + kMaterial;
  const SeriesParse parsed = parseSeriesFile(bytes);
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  EXPECT_EQ(coreNames(*parsed.catalog), (std::vector<std::string>{"KVC", "KVB", "KVA"}));
}

TEST(SeriesFile, CoreWithoutLeTakesTheNextSectionsLe) {
  const std::string first = "[KVA]\r\nOD = 20\r\nID = 10\r\nOH = 7\r\nAe = 30\r\nAL = 0,1\r\n";
  const SeriesParse parsed =
      parseSeriesFile(first + section({"KVB", "20", "10", "7", "55", "30", "0,2"}) + kMaterial);
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  EXPECT_EQ(parsed.catalog->cores[0].name, "KVA");
  EXPECT_DOUBLE_EQ(parsed.catalog->cores[0].le, 55);
}

TEST(SeriesFile, OD0BeforeODIsReadAsOD) {
  const std::string core =
      "[KVA]\r\nOD0 = 46\r\nOD = 45\r\nID = 10\r\nOH = 7\r\nle = 44\r\nAe = 30\r\nAL = 0,1\r\n";
  const SeriesParse parsed = parseSeriesFile(core + kMaterial);
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  EXPECT_DOUBLE_EQ(parsed.catalog->cores[0].OD, 46);
}

TEST(SeriesFile, NameOccurringEarlierTakesTheEarlierValues) {
  // "KV1" is first found inside the header of KV10.
  const SeriesParse parsed =
      parseSeriesFile(section({"KV10", "30", "10", "7", "44", "30", "0,1"}) +
                      section({"KV1", "12", "6", "7", "44", "30", "0,1"}) + kMaterial);
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  ASSERT_EQ(parsed.catalog->cores[1].name, "KV1");
  EXPECT_DOUBLE_EQ(parsed.catalog->cores[1].OD, 30);
}

TEST(SeriesFile, OnlyCapitalENDEndsTheCoreList) {
  const std::string bytes = section({"KVA"}) + "[end]\r\n" + section({"KVB"}) + kMaterial;
  const SeriesParse parsed = parseSeriesFile(bytes);
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  EXPECT_EQ(parsed.catalog->cores.size(), 3u);
  EXPECT_EQ(parsed.catalog->cores[1].name, "end");
}

TEST(SeriesFile, FieldPointWithoutFactorIsNotCounted) {
  std::string bytes = section({"KVA"}) + kMaterial;
  bytes.replace(bytes.find("H2 = 100"), 8, "H2 = 100\r\nH3 = 200");
  const SeriesParse parsed = parseSeriesFile(bytes);
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  EXPECT_EQ(parsed.catalog->material.lastH, 2);  // points 0, 1, 2
}

// ---- Table limits: a table of exactly its limit loads, one more point is a damaged file ----

std::string lines(const std::string& key, int first, int count, int scale = 1) {
  std::string text;
  for (int i = first; i < first + count; ++i) {
    text += key + std::to_string(i) + " = " + std::to_string((i + 1) * scale) + "\r\n";
  }
  return text;
}

std::string seriesWithTables(int fieldPoints, int frequencyPoints, int fluxDensities) {
  return section({"KVA"}) + "[END]\r\n[H, Oersteads]\r\n" + lines("H", 0, fieldPoints) +
         lines("mu_H", 0, fieldPoints) + "[Frequencies, kHz]\r\n" +
         lines("F", 0, frequencyPoints, 10) + "[Relative mu vs H]\r\n" +
         lines("mu_F", 0, frequencyPoints) + "[Flux density]\r\n" +
         lines("B", 1, fluxDensities, 10) + "[Others]\r\nro = 7,3\r\nHmax = 150\r\ntmax = 155\r\n";
}

TEST(SeriesFile, TablesOfTheirFullSizeLoad) {
  const SeriesParse parsed = parseSeriesFile(seriesWithTables(51, 20, 29));
  ASSERT_TRUE(parsed.catalog) << parsed.problem;
  EXPECT_EQ(parsed.catalog->material.lastH, 50);
  EXPECT_EQ(parsed.catalog->material.lastF, 19);
  EXPECT_EQ(parsed.catalog->material.nB, 29);
  EXPECT_DOUBLE_EQ(parsed.catalog->material.loss[19][0], 200);  // F19 = 200 is loss row 19
}

// ---- Damaged files: the catalog stays as it was and the message names the file -------------

struct DamageCase {
  const char* what;
  std::string bytes;
  std::string problem;  // part of the message that names the cause
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.what; }

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

std::string manyCores(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += section({"KV-" + std::to_string(1000 + i)});
  return text + kMaterial;
}

std::string separateLossFrequencies(const std::string& block) {
  // A "Frequencies" block before "Frequencies, kHz" is the one the loss rows read.
  return section({"KVA"}) + "[END]\r\n[Frequencies]\r\n" + block + kMaterial.substr(7);
}

const std::string kValid = section({"KVA"}) + kMaterial;

std::vector<DamageCase> damageCases() {
  return {
      {"bracket not closed", kValid.substr(0, kValid.find("[END]")) + "[KVB\r\nOD = 1\r\n",
       "не закрыт скобкой \"]\""},
      {"101 cores", manyCores(101), "больше 100 магнитопроводов"},
      {"52 field points", seriesWithTables(52, 3, 3), "\"H, Oersteads\" больше 51 точки"},
      {"21 frequency points", seriesWithTables(3, 21, 3), "\"Frequencies, kHz\" больше 20 точек"},
      {"30 flux densities", seriesWithTables(3, 3, 30), "\"Flux density\" больше 29 значений"},
      {"20 loss frequencies", separateLossFrequencies(lines("F", 1, 20, 10)),
       "\"Frequencies\" больше 19 частот"},
      {"value without CR", kValid.substr(0, kValid.size() - 2),
       "значение ключа tmax не завершено переводом строки"},
      {"key without '='", replaced(kValid, "tmax = 155", "tmax 155"),
       "после ключа tmax нет знака \"=\""},
      {"core without le", replaced(kValid, "le = 44\r\n", ""),
       "у магнитопровода KVA не задано значение le"},
      {"AL zero", replaced(kValid, "AL = 0,1", "AL = 0"), "AL = 0 должно быть больше нуля"},
      {"Ae negative", replaced(kValid, "Ae = 30", "Ae = -30"), "Ae = -30 должно быть больше нуля"},
      {"OD not above ID", replaced(kValid, "ID = 10", "ID = 20"),
       "у магнитопровода KVA наружный диаметр OD = 20 не больше внутреннего ID = 20"},
      {"core number too large", replaced(kValid, "OH = 7", "OH = 1e999"),
       "OH = 1e999 не является числом"},
      {"material number too large", replaced(kValid, "Hmax = 150", "Hmax = 1e400"),
       "Hmax = 1e400 не является числом"},
      {"field points descending", replaced(kValid, "H2 = 100", "H2 = 10"),
       "H2 = 10 не больше предыдущего H1 = 10"},
      {"negative field point", replaced(kValid, "H0 = 0", "H0 = -1"), "H0 = -1 отрицательно"},
      {"field factor zero", replaced(kValid, "mu_H1 = 0,9", "mu_H1 = 0"),
       "mu_H1 = 0 должно быть больше нуля"},
      {"frequency zero", replaced(kValid, "F0 = 10", "F0 = 0"), "F0 = 0 должно быть больше нуля"},
      {"frequencies descending", replaced(kValid, "F2 = 200", "F2 = 50"),
       "F2 = 50 не больше предыдущего F1 = 100"},
      {"frequency factor negative", replaced(kValid, "mu_F2 = 0,95", "mu_F2 = -0,95"),
       "mu_F2 = -0.95 должно быть больше нуля"},
      {"flux density zero", replaced(kValid, "B1 = 50", "B1 = 0"),
       "B1 = 0 должно быть больше нуля"},
      {"flux densities descending", replaced(kValid, "B3 = 200", "B3 = 100"),
       "B3 = 100 не больше предыдущего B2 = 100"},
      {"loss frequencies descending", separateLossFrequencies("F1 = 200\r\nF2 = 100\r\n"),
       "F2 = 100 не больше предыдущего F1 = 200"},
      {"negative loss cell", replaced(kValid, "B_100 = 40", "B_100 = -40"),
       "B_100 = -40 в строке \"F_100\" отрицательно"},
      {"density zero", replaced(kValid, "ro = 7,3", "ro = 0"), "ro = 0 должно быть больше нуля"},
      {"Hmax missing", replaced(kValid, "Hmax = 150\r\n", ""), "не задано значение Hmax"},
  };
}

class DamagedSeries : public ::testing::TestWithParam<DamageCase> {
 protected:
  test::TempFolder folder;
};

CoreCatalog previousCatalog() {
  CoreCatalog catalog;
  CoreRecord old;
  old.name = "Old";
  catalog.cores.push_back(old);
  catalog.currentCore = 3;
  catalog.material.ro = 1.5;
  catalog.material.tmaxText = "99";
  return catalog;
}

TEST_P(DamagedSeries, LeavesTheCatalogAndNamesTheFile) {
  const DamageCase& c = GetParam();
  folder.write("Test cores.txt", c.bytes);
  CoreCatalog catalog = previousCatalog();

  const auto message = loadSeries(folder.path(), "Test cores", catalog);

  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("Файл серии магнитопроводов \"Test cores.txt\" поврежден:\n", 0), 0u)
      << *message;
  EXPECT_NE(message->find(c.problem), std::string::npos) << *message;
  EXPECT_TRUE(message->ends_with(".\nСерия не загружена.")) << *message;
  ASSERT_EQ(coreNames(catalog), std::vector<std::string>{"Old"});
  EXPECT_EQ(catalog.currentCore, 3);
  EXPECT_EQ(catalog.material.ro, 1.5);
  EXPECT_EQ(catalog.material.tmaxText, "99");
}

INSTANTIATE_TEST_SUITE_P(Decisions, DamagedSeries, ::testing::ValuesIn(damageCases()));

TEST(DamagedSeries, StructuralDamageCountsAlsoWithoutCores) {
  EXPECT_FALSE(parseSeriesFile("[END]\r\n[Others]\r\nro = 7,3").catalog);
  EXPECT_FALSE(parseSeriesFile("[END]\r\n[Others]\r\nro 7,3\r\n").catalog);
}

// ---- Loading from the folder ---------------------------------------------------------------

class LoadSeries : public ::testing::Test {
 protected:
  test::TempFolder folder;
};

TEST_F(LoadSeries, ReplacesTheCatalogButNotTheCurrentCore) {
  folder.write("KVZN-TH cores.txt", validSeries());
  CoreCatalog catalog = previousCatalog();

  EXPECT_EQ(loadSeries(folder.path(), "KVZN-TH cores", catalog), std::nullopt);

  EXPECT_EQ(coreNames(catalog),
            (std::vector<std::string>{"KVZN1000-TH", "Кольцо-15", "KVZN2000-TH"}));
  EXPECT_EQ(catalog.material.tmaxText, "155");
  EXPECT_EQ(catalog.currentCore, 3);  // the caller chooses it after the load
}

TEST_F(LoadSeries, EmptyFileLoadsAnEmptyCatalog) {
  folder.write("Empty.txt", "");
  CoreCatalog catalog = previousCatalog();
  EXPECT_EQ(loadSeries(folder.path(), "Empty", catalog), std::nullopt);
  EXPECT_TRUE(catalog.empty());
  EXPECT_EQ(catalog.material.ro, 0);
}

TEST_F(LoadSeries, MissingFileLeavesTheCatalog) {
  CoreCatalog catalog = previousCatalog();
  EXPECT_EQ(loadSeries(folder.path(), "Серия", catalog),
            "Не найден файл серии магнитопроводов \"Серия.txt\".\nСерия не загружена.");
  EXPECT_EQ(coreNames(catalog), std::vector<std::string>{"Old"});
}

TEST_F(LoadSeries, RefusesAFileOfTheLimit) {
  std::string bytes = validSeries();
  folder.write("Just below.txt", bytes + std::string(kSeriesFileLimit - 1 - bytes.size(), ' '));
  folder.write("Too large.txt", bytes + std::string(kSeriesFileLimit - bytes.size(), ' '));
  CoreCatalog catalog = previousCatalog();

  EXPECT_EQ(loadSeries(folder.path(), "Too large", catalog),
            "Файл серии магнитопроводов \"Too large.txt\" слишком велик (100000 байт и более).\n"
            "Серия не загружена.");
  EXPECT_EQ(coreNames(catalog), std::vector<std::string>{"Old"});

  EXPECT_EQ(loadSeries(folder.path(), "Just below", catalog), std::nullopt);
  EXPECT_EQ(catalog.cores.size(), 3u);
}

}  // namespace
}  // namespace impulsor
