// A result value of the main window. A value over its limit is marked: drawn in red with the
// semibold window font until a computation leaves it unmarked.
#pragma once

#include <QLabel>

namespace impulsor::ui {

class CResultStatic : public QLabel {
  Q_OBJECT

 public:
  static constexpr QRgb kMarkColour = qRgb(255, 0, 0);

  CResultStatic(Qt::Alignment alignment, QWidget* parent = nullptr);

  void setMarked(bool marked);
  bool isMarked() const { return marked_; }

 private:
  bool marked_ = false;
};

}  // namespace impulsor::ui
