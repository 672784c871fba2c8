#include "qt_message_boxes.h"

#include <QMessageBox>

#include "dialog_template.h"

namespace impulsor::ui {

MessageAnswer QtMessageBoxes::show(std::string_view text, std::string_view caption,
                                   MessageButtons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(qs(caption));
  box.setText(qs(text));
  box.setTextFormat(Qt::PlainText);
  box.setIcon(buttons == MessageButtons::OkCancel ? QMessageBox::Question : QMessageBox::Warning);
  if (buttons == MessageButtons::OkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace impulsor::ui
