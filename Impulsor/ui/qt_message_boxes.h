// The session's message boxes as modal boxes of the window.
#pragma once

#include "message_boxes.h"

class QWidget;

namespace impulsor::ui {

class QtMessageBoxes final : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer show(std::string_view text, std::string_view caption,
                     MessageButtons buttons) override;

 private:
  QWidget* parent_;
};

}  // namespace impulsor::ui
