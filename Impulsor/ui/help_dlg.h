// The help window: the text of "ReadMe.txt" from the program's folder, read-only.
#pragma once

#include <QDialog>
#include <filesystem>

#include "dialog_template.h"
#include "message_boxes.h"

class QPlainTextEdit;
class QPushButton;

namespace impulsor::ui {

class CHelpDlg final : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kHelpFileName = "ReadMe.txt";

  CHelpDlg(const std::filesystem::path& folder, MessageBoxes& boxes, QWidget* parent = nullptr);

  // Without a readable help file the engineer is told so and no window opens (Rejected).
  int exec() override;

  QPlainTextEdit* textEdit() const { return text_; }
  QPushButton* okButton() const { return ok_; }

 private:
  bool loadHelp();

  std::filesystem::path folder_;
  MessageBoxes& boxes_;
  DialogTemplate dialog_;
  QPlainTextEdit* text_;
  QPushButton* ok_;
};

}  // namespace impulsor::ui
