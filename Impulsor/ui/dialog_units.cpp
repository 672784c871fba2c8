#include "dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

namespace impulsor::ui {

namespace {

// a * b / c rounded to the nearest integer, as the platform's dialog units are rounded.
int scaled(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

QFont dialogFont() { return QApplication::font("QDialog"); }

QFont programDialogFont() {
  QFont font = QApplication::font();
  font.setPointSize(8);
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average width is that of the Latin letters, rounded the way dialog units define it.
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = (metrics.horizontalAdvance(kLetters) / 26 + 1) / 2;
  baseY_ = metrics.height();
}

int DialogUnits::x(int units) const { return scaled(units, baseX_, 4); }
int DialogUnits::y(int units) const { return scaled(units, baseY_, 8); }

QRect DialogUnits::rect(int left, int top, int width, int height) const {
  const int l = x(left), t = y(top);
  return QRect(l, t, x(left + width) - l, y(top + height) - t);
}

QSize DialogUnits::size(int width, int height) const { return QSize(x(width), y(height)); }

}  // namespace impulsor::ui
