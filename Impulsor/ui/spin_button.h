// An up-down control: two arrow buttons beside a buddy edit. Every arrow step, by a click on
// an arrow (held down, it repeats) or by the Up and Down keys in the buddy, is reported as
// stepped(+1) or stepped(-1); what a step changes is the program's business.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace impulsor::ui {

class CSpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit CSpinButton(QWidget* parent = nullptr);

  void setBuddy(QLineEdit* buddy);
  QLineEdit* buddy() const { return buddy_; }
  void setRange(int lower, int upper);
  int lower() const { return lower_; }
  int upper() const { return upper_; }
  // The position the program last gave the control (the wire row of a diameter spin).
  void setPosition(int position) { position_ = position; }
  int position() const { return position_; }

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  void stepped(int direction);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
  QLineEdit* buddy_ = nullptr;
  int lower_ = 0, upper_ = 100, position_ = 0;
};

}  // namespace impulsor::ui
