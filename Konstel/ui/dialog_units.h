// Dialog units: the window is laid out in units of its font, as dialog templates are. One
// horizontal unit is a quarter of the font's average character width, one vertical unit an
// eighth of its height, so the layout keeps its proportions with the font it is shown in.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QSize>

namespace konstel {

class DialogUnits {
 public:
  DialogUnits(int averageCharWidth_px, int fontHeight_px);
  explicit DialogUnits(const QFontMetrics& metrics);

  int x(int units) const;  // horizontal units to pixels
  int y(int units) const;  // vertical units to pixels
  QSize size(int width, int height) const;
  // Edges are converted one by one, so neighbouring controls stay edge to edge.
  QRect rect(int left, int top, int width, int height) const;

 private:
  int baseX_;
  int baseY_;
};

// The window's pictures are drawn at fixed pixel sizes and positions; the font is the smallest
// size of `family` whose units still make a 100 × 56-unit button hold its 150 × 91-pixel picture,
// which also makes the 680 × 288-unit window hold the 1020 × 176 banner at (0, 290).
QFont chooseDialogFont(const QFont& family);

}  // namespace konstel
