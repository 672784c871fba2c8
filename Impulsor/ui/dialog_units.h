// Dialog units: the window layouts are given in them, so that a window keeps its proportions
// with any font and screen scale. One horizontal unit is a quarter of the font's average
// character width, one vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace impulsor::ui {

// The font of the program's windows: the font the application gives its dialogs.
QFont dialogFont();
// What the design program gives its dialogs: the desktop's user-interface family at 8 points,
// as many pixels as the screen's scale makes them.
QFont programDialogFont();

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int x(int units) const;
  int y(int units) const;
  // Edges are converted, not the size, so that controls that touch in units touch on screen.
  QRect rect(int x, int y, int width, int height) const;
  QSize size(int width, int height) const;

  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }

 private:
  int baseX_;  // average character width, pixels
  int baseY_;  // character height, pixels
};

}  // namespace impulsor::ui
