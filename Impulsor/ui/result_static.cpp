#include "result_static.h"

namespace impulsor::ui {

CResultStatic::CResultStatic(Qt::Alignment alignment, QWidget* parent) : QLabel(parent) {
  setAlignment(alignment | Qt::AlignVCenter);
}

void CResultStatic::setMarked(bool marked) {
  if (marked == marked_) return;
  marked_ = marked;
  if (marked) {
    QPalette red = palette();
    red.setColor(QPalette::WindowText, QColor(kMarkColour));
    setPalette(red);
    QFont semibold = font();
    semibold.setWeight(QFont::DemiBold);
    setFont(semibold);
  } else {
    // Empty palette and font: back to what the window gives every result.
    setPalette(QPalette());
    setFont(QFont());
  }
}

}  // namespace impulsor::ui
