// A push button whose whole face is a picture, with the raised and pressed bevels of a push
// button, a highlight under the mouse and a focus frame. Its tooltip is wrapped to a maximum
// width and stays up for toolTipDuration().
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace konstel {

class CPictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  CPictureButton(const QPixmap& picture, int tipMaxWidth_px, QWidget* parent = nullptr);

  QSize sizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QPixmap picture_;
  int tipMaxWidth_px_;
  bool showFocus_ = false;  // the focus frame marks focus reached from the keyboard only
};

}  // namespace konstel
