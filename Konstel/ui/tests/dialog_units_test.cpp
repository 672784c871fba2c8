#include "dialog_units.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <ostream>

#include "test_application.h"

namespace konstel {
namespace {

// With the classic dialog font (average character 6 px, height 13 px) a 100 × 56-unit button is
// exactly the 150 × 91-pixel picture it shows, and the 680 × 288-unit window is 1020 × 468 pixels:
// 680·6/4 and 288·13/8.
struct UnitsCase {
  QSize units;
  QSize pixels;
};

void PrintTo(const UnitsCase& c, std::ostream* out) {
  *out << c.units.width() << "x" << c.units.height() << " units";
}

class KonstelClassicFont : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(KonstelClassicFont, ConvertsToThePixelSizesOfThePictures) {
  const DialogUnits du(6, 13);
  EXPECT_EQ(du.size(GetParam().units.width(), GetParam().units.height()), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Sizes, KonstelClassicFont,
                         ::testing::Values(UnitsCase{{100, 56}, {150, 91}},
                                           UnitsCase{{680, 288}, {1020, 468}},
                                           UnitsCase{{4, 8}, {6, 13}}, UnitsCase{{0, 0}, {0, 0}}));

TEST(KonstelDialogUnits, NeighbouringRectanglesStayEdgeToEdge) {
  // Odd positions round; converting edges keeps one rectangle's end the next one's start.
  const DialogUnits du(7, 15);
  for (int left = 0; left < 40; ++left) {
    for (int width = 1; width < 20; ++width) {
      const QRect first = du.rect(left, left, width, width);
      const QRect second = du.rect(left + width, left + width, 5, 5);
      ASSERT_EQ(first.x() + first.width(), second.x()) << left << " " << width;
      ASSERT_EQ(first.y() + first.height(), second.y()) << left << " " << width;
    }
  }
}

TEST(KonstelChooseDialogFont, IsTheSmallestSizeWhoseButtonsHoldTheirPictures) {
  testing::ensureApplication();
  const QFont font = chooseDialogFont(QApplication::font());
  const DialogUnits du{QFontMetrics(font)};

  const QSize button = du.size(100, 56);
  EXPECT_GE(button.width(), 150);
  EXPECT_GE(button.height(), 91);
  const QSize window = du.size(680, 288);
  EXPECT_GE(window.width(), 1020);
  EXPECT_GE(window.height(), 290 + 176) << "the banner at (0, 290) must fit";

  QFont smaller = font;
  smaller.setPixelSize(font.pixelSize() - 1);
  const QSize smallerButton = DialogUnits{QFontMetrics(smaller)}.size(100, 56);
  EXPECT_TRUE(smallerButton.width() < 150 || smallerButton.height() < 91);
}

}  // namespace
}  // namespace konstel
