#include "help_dlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "messages.h"
#include "text_file.h"

namespace impulsor::ui {

namespace {

constexpr int kText = 1003, kOk = 1;
// The help text is read whole; a file of this size or more is not the shipped help.
constexpr std::size_t kHelpFileLimit = 10000;
constexpr const char* kHelpTooLarge =
    "Файл \"ReadMe.txt\" слишком велик (10000 байт и более).\nПомощь не загружена";

}  // namespace

CHelpDlg::CHelpDlg(const std::filesystem::path& folder, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), folder_(folder), boxes_(boxes), dialog_(this, DialogUnits(dialogFont())) {
  setFont(dialogFont());
  setWindowTitle(QStringLiteral("Помощь"));
  setFixedSize(dialog_.units().size(400, 400));
  text_ = new QPlainTextEdit;
  dialog_.place(text_, kText, 7, 7, 386, 368);
  text_->setReadOnly(true);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  ok_ = dialog_.button(kOk, "ОК", 175, 379, 50, 14);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

bool CHelpDlg::loadHelp() {
  const FileBytes file = readFileBytes(folder_ / kHelpFileName, kHelpFileLimit);
  switch (file.status) {
    case ReadStatus::Ok:
      // The bytes are Windows-1251 and end at the first zero byte.
      text_->setPlainText(qs(cp1251ToUtf8(file.bytes)));
      return true;
    case ReadStatus::CannotOpen:
      boxes_.show(msg::kMissingHelp, msg::kError, MessageButtons::Ok);
      return false;
    case ReadStatus::TooLarge:
      boxes_.show(kHelpTooLarge, msg::kError, MessageButtons::Ok);
      return false;
  }
  return false;
}

int CHelpDlg::exec() {
  if (!loadHelp()) return QDialog::Rejected;
  ok_->setFocus();
  return QDialog::exec();
}

}  // namespace impulsor::ui
