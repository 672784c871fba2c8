// The series files and the help text shipped beside the program: every series loads, its data
// describe real toroids and materials, and typical designs find a complete design on each.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "impulsor_session.h"
#include "recording_boxes.h"
#include "series_file.h"
#include "series_list.h"
#include "text_file.h"

namespace impulsor {
namespace {

namespace fs = std::filesystem;
const fs::path kData = IMPULSOR_DATA_DIR;
constexpr double kPi = 3.141592653589793;

std::vector<std::string> shippedSeries() { return listSeries(kData); }

TEST(ShippedData, TheDefaultSeriesAndCoreArePresent) {
  const auto series = shippedSeries();
  EXPECT_GE(series.size(), 4u);
  ASSERT_NE(std::find(series.begin(), series.end(), "KVZN-TH cores"), series.end());
  CoreCatalog catalog;
  ASSERT_FALSE(loadSeries(kData, "KVZN-TH cores", catalog));
  EXPECT_EQ(selectCoreByName(catalog, "KVZN1845-TH"),
            findPrefixIgnoringCase(coreNames(catalog), "KVZN1845-TH"));
  EXPECT_EQ(catalog.cores[static_cast<std::size_t>(catalog.currentCore)].name, "KVZN1845-TH");
}

class EverySeries : public ::testing::TestWithParam<std::string> {};

TEST_P(EverySeries, LoadsAndDescribesRealToroids) {
  CoreCatalog catalog;
  const auto problem = loadSeries(kData, GetParam(), catalog);
  ASSERT_FALSE(problem) << *problem;
  EXPECT_GE(catalog.cores.size(), 10u);
  EXPECT_LE(catalog.cores.size(), 30u);
  for (const CoreRecord& c : catalog.cores) {
    SCOPED_TRACE(c.name);
    EXPECT_GT(c.ID, 0);
    EXPECT_GT(c.OD, c.ID);
    EXPECT_GT(c.OH, 0);
    // The magnetic path of a toroid: π(OD − ID)/ln(OD/ID), catalog values within 10 %.
    const double path = kPi * (c.OD - c.ID) / std::log(c.OD / c.ID);
    EXPECT_NEAR(c.le / path, 1.0, 0.10);
    // The effective section is below the coated rectangle (rounded edges, coating) but not
    // far below it.
    const double rectangle = (c.OD - c.ID) / 2 * c.OH;
    EXPECT_LT(c.Ae, rectangle);
    EXPECT_GT(c.Ae, 0.6 * rectangle);
    EXPECT_GT(c.AL, 0);
  }
  for (std::size_t i = 1; i < catalog.cores.size(); ++i) {
    const CoreRecord& a = catalog.cores[i - 1];
    const CoreRecord& b = catalog.cores[i];
    EXPECT_LE(a.AL * a.le * a.le, b.AL * b.le * b.le);
  }
  const MaterialData& m = catalog.material;
  EXPECT_GT(m.ro, 4.0);
  EXPECT_LT(m.ro, 9.0);
  EXPECT_GT(m.Hmax, 0);
  EXPECT_LE(m.Hmax, 500);  // the B(H) table's reach
  EXPECT_GE(m.tmax, 125);  // the default temperature limit stays valid
  EXPECT_GE(m.lastH, 1);
  EXPECT_GE(m.lastF, 2);
  EXPECT_GE(m.nB, 2);
  for (int i = 1; i <= m.lastH; ++i) EXPECT_LT(m.muH[i - 1].x, m.muH[i].x);
  for (int i = 1; i <= m.lastF; ++i) EXPECT_LT(m.muF[i - 1].x, m.muF[i].x);
  for (int j = 2; j <= m.nB; ++j) EXPECT_LT(m.loss[0][j - 1], m.loss[0][j]);
  for (int i = 2; i <= m.lastF; ++i) EXPECT_LT(m.loss[i - 1][0], m.loss[i][0]);
  for (int i = 1; i <= m.lastF; ++i)
    for (int j = 1; j <= m.nB; ++j) EXPECT_GT(m.loss[i][j], 0) << i << "," << j;
  // Permeability falls with the field.
  for (int i = 1; i <= m.lastH; ++i) EXPECT_LE(m.muH[i].factor, m.muH[i - 1].factor);
}

INSTANTIATE_TEST_SUITE_P(Shipped, EverySeries, ::testing::ValuesIn(shippedSeries()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

TEST(ShippedData, TheDefaultDesignStartsUpWithoutAMessage) {
  test::RecordingBoxes boxes;
  ImpulsorSession session(kData, boxes);
  session.startUp(/*readSettings=*/false);
  session.completeStartUp();
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front();
  EXPECT_EQ(session.inputs().core, "KVZN1845-TH");
  EXPECT_TRUE(session.redMarks().empty());
  session.automaticSelection();
  ASSERT_TRUE(session.lastStatus());
  EXPECT_EQ(*session.lastStatus(), 0);
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front();
}

struct TypicalDesign {
  const char* name;
  std::vector<std::pair<const char*, const char*>> inputs;
  bool mains;
};

std::vector<TypicalDesign> typicalDesigns() {
  return {{"5W",
           {{"Umin", "12"},
            {"Unom", "24"},
            {"Umax", "48"},
            {"Umirror", "30"},
            {"Utrmax", "100"},
            {"Rds", "0,05"},
            {"U21", "5"},
            {"I21", "1"},
            {"Ud1", "0,4"}},
           false},
          {"25W", {}, false},
          {"60W",
           {{"Umirror", "100"}, {"Rds", "1"}, {"U21", "12"}, {"I21", "5"}, {"Ud1", "0,5"}},
           true},
          {"150W",
           {{"Umirror", "120"}, {"Rds", "0,5"}, {"U21", "24"}, {"I21", "6,25"}, {"Ud1", "0,7"}},
           true}};
}

TEST(ShippedData, TypicalDesignsFindACompleteDesignOnEverySeries) {
  const auto series = shippedSeries();
  for (std::size_t s = 0; s < series.size(); ++s) {
    for (const TypicalDesign& design : typicalDesigns()) {
      SCOPED_TRACE(series[s] + " " + design.name);
      test::RecordingBoxes boxes;
      ImpulsorSession session(kData, boxes);
      session.startUp(false);
      session.completeStartUp();
      if (design.mains) session.clickSupplyAc();
      for (const auto& [key, value] : design.inputs)
        session.inputs().*(findInputKey(key)->text) = value;
      session.chooseSeries(static_cast<int>(s));
      ASSERT_TRUE(session.lastStatus());
      EXPECT_EQ(*session.lastStatus(), 0);
      EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front();
      // Bigger designs need bigger cores: never the smallest size for 25 W and more.
      if (std::string(design.name) != "5W") {
        EXPECT_GT(session.currentCore(), 0);
      }
    }
  }
}

TEST(ShippedData, HelpTextIsWindowsTextUnderTheHelpWindowsLimit) {
  const FileBytes help = readFileBytes(kData / "ReadMe.txt", 10000);
  ASSERT_EQ(help.status, ReadStatus::Ok);
  EXPECT_GT(help.bytes.size(), 2000u);
  // Every line ends with CR LF.
  for (std::size_t i = 0; i < help.bytes.size(); ++i) {
    if (help.bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && help.bytes[i - 1] == '\r') << i;
    }
  }
  const std::string text = cp1251ToUtf8(help.bytes);
  EXPECT_NE(text.find("Оптимизация"), std::string::npos);
  EXPECT_NE(text.find("Impulsor.ini"), std::string::npos);
}

}  // namespace
}  // namespace impulsor
