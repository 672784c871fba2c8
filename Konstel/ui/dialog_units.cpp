#include "dialog_units.h"

namespace konstel {
namespace {

// Rounded a·b/c, as the system's conversion of dialog units does it.
int mulDiv(int a, int b, int c) { return (a * b + (a >= 0 ? c / 2 : -c / 2)) / c; }

constexpr QSize kButtonPicture_px{150, 91};
constexpr QSize kButton_du{100, 56};

}  // namespace

DialogUnits::DialogUnits(int averageCharWidth_px, int fontHeight_px)
    : baseX_(averageCharWidth_px), baseY_(fontHeight_px) {}

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : DialogUnits(metrics.averageCharWidth(), metrics.height()) {}

int DialogUnits::x(int units) const { return mulDiv(units, baseX_, 4); }

int DialogUnits::y(int units) const { return mulDiv(units, baseY_, 8); }

QSize DialogUnits::size(int width, int height) const { return {x(width), y(height)}; }

QRect DialogUnits::rect(int left, int top, int width, int height) const {
  const int l = x(left);
  const int t = y(top);
  return {l, t, x(left + width) - l, y(top + height) - t};
}

QFont chooseDialogFont(const QFont& family) {
  QFont font = family;
  for (int pixelSize = 8; pixelSize <= 32; ++pixelSize) {
    font.setPixelSize(pixelSize);
    const QSize button =
        DialogUnits(QFontMetrics(font)).size(kButton_du.width(), kButton_du.height());
    if (button.width() >= kButtonPicture_px.width() &&
        button.height() >= kButtonPicture_px.height()) {
      return font;
    }
  }
  return font;
}

}  // namespace konstel
