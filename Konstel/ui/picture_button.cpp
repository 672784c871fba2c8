#include "picture_button.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "tip_text.h"

namespace konstel {
namespace {

const QColor kLight(255, 255, 255);
const QColor kFace(212, 208, 200);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(32, 32, 32);
const QColor kHover(245, 158, 11);

// Two-pixel bevel: outer and inner frame, lit from the top left when raised.
void drawBevel(QPainter& painter, const QRect& r, bool sunken) {
  const auto frame = [&painter](const QRect& box, const QColor& topLeft,
                                const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
  };
  if (sunken) {
    frame(r, kDarkShadow, kDarkShadow);
    frame(r.adjusted(1, 1, -1, -1), kShadow, kShadow);
  } else {
    frame(r, kLight, kDarkShadow);
    frame(r.adjusted(1, 1, -1, -1), kFace, kShadow);
  }
}

}  // namespace

CPictureButton::CPictureButton(const QPixmap& picture, int tipMaxWidth_px, QWidget* parent)
    : QAbstractButton(parent), picture_(picture), tipMaxWidth_px_(tipMaxWidth_px) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

QSize CPictureButton::sizeHint() const { return picture_.deviceIndependentSize().toSize(); }

bool CPictureButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = wrapTipText(toolTip(), QFontMetrics(QToolTip::font()), tipMaxWidth_px_);
    QToolTip::showText(help->globalPos(), tip, this, QRect(), toolTipDuration());
    return true;
  }
  return QAbstractButton::event(event);
}

void CPictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect box = rect();
  const bool sunken = isDown();
  painter.fillRect(box, kFace);

  // Centred and clipped by the frame, moved by a pixel while pressed like a push button's label.
  const QSize pictureSize = picture_.deviceIndependentSize().toSize();
  QPoint origin((box.width() - pictureSize.width()) / 2, (box.height() - pictureSize.height()) / 2);
  if (sunken) origin += QPoint(1, 1);
  painter.drawPixmap(origin, picture_);

  drawBevel(painter, box, sunken);
  if (underMouse() && isEnabled()) {
    painter.setPen(QPen(kHover, 2));
    painter.drawRect(QRectF(box).adjusted(3, 3, -3, -3));
  }
  if (hasFocus() && showFocus_) {
    QPen dotted(kDarkShadow, 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.drawRect(box.adjusted(4, 4, -5, -5));
  }
}

void CPictureButton::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  showFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
               reason == Qt::ShortcutFocusReason;
  QAbstractButton::focusInEvent(event);
}

void CPictureButton::focusOutEvent(QFocusEvent* event) {
  showFocus_ = false;
  QAbstractButton::focusOutEvent(event);
}

}  // namespace konstel
