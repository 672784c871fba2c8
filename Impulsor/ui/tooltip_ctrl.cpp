#include "tooltip_ctrl.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include "text_wrap.h"

namespace impulsor::ui {

namespace {

// The tip's frame and margins take this much of its width.
constexpr int kTipFrame_px = 12;

}  // namespace

CToolTipCtrl::CToolTipCtrl(QWidget* area) : QObject(area), area_(area) {
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, QColor(kBackground));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(palette);
  area_->installEventFilter(this);
}

QString CToolTipCtrl::shown(const QString& text) {
  return wrapToWidth(text, QFontMetrics(QToolTip::font()), kMaxWidth_px - kTipFrame_px);
}

void CToolTipCtrl::addTool(QWidget* tool, const QString& text) {
  tool->setToolTip(shown(text));
  tool->setToolTipDuration(kAutoHide_ms);
}

void CToolTipCtrl::addTool(int id, const QRect& rect, const QString& text) {
  areas_.insert(id, Area{rect, text});
}

void CToolTipCtrl::setToolText(int id, const QString& text) {
  const auto area = areas_.find(id);
  if (area != areas_.end()) area->text = text;
}

bool CToolTipCtrl::eventFilter(QObject* watched, QEvent* event) {
  // The controls under an area have no tips of their own, so the event reaches the area's widget.
  if (watched == area_ && event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    for (const Area& area : areas_) {
      if (area.rect.contains(help->pos())) {
        QToolTip::showText(help->globalPos(), shown(area.text), area_, area.rect, kAutoHide_ms);
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace impulsor::ui
