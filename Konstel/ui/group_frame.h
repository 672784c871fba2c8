// A group box drawn for the blue window: an etched frame with its title centred on the top line,
// in the window's text colour on the window's background, and nothing filled inside.
#pragma once

#include <QGroupBox>

namespace konstel {

class CGroupFrame : public QGroupBox {
  Q_OBJECT

 public:
  CGroupFrame(const QString& title, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace konstel
