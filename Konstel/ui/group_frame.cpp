#include "group_frame.h"

#include <QPainter>

namespace konstel {
namespace {

constexpr int kTitlePadding_px = 4;

}  // namespace

CGroupFrame::CGroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  setAlignment(Qt::AlignHCenter);
}

void CGroupFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const QColor background = palette().color(QPalette::Window);
  const QColor text = palette().color(QPalette::WindowText);

  // The frame's top line runs through the middle of the title, as on a dialog's group box.
  const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
  painter.setPen(background.darker(170));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(background.lighter(160));
  painter.drawRect(frame.adjusted(1, 1, 0, 0));

  const int titleWidth = metrics.horizontalAdvance(title()) + 2 * kTitlePadding_px;
  const QRect titleBox((width() - titleWidth) / 2, 0, titleWidth, metrics.height());
  painter.fillRect(titleBox, background);
  painter.setPen(text);
  painter.drawText(titleBox, Qt::AlignCenter, title());
}

}  // namespace konstel
