#include "spin_button.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace impulsor::ui {

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

CSpinButton::CSpinButton(QWidget* parent)
    : QWidget(parent),
      up_(arrowButton(Qt::UpArrow, this)),
      down_(arrowButton(Qt::DownArrow, this)) {
  setFocusPolicy(Qt::NoFocus);
  connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void CSpinButton::setBuddy(QLineEdit* buddy) {
  if (buddy_) buddy_->removeEventFilter(this);
  buddy_ = buddy;
  if (buddy_) buddy_->installEventFilter(this);
}

void CSpinButton::setRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
}

bool CSpinButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buddy_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      if (key->key() == Qt::Key_Up) {
        emit stepped(+1);
        return true;
      }
      if (key->key() == Qt::Key_Down) {
        emit stepped(-1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CSpinButton::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace impulsor::ui
