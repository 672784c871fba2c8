// The About box: the program's name, version, date and authors.
#pragma once

#include <QDialog>

#include "dialog_template.h"

class QPushButton;

namespace impulsor::ui {

class CAboutDlg final : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kCredit = "Разработка: команда Impulsor";

  explicit CAboutDlg(QWidget* parent = nullptr);
  QPushButton* okButton() const { return ok_; }

 private:
  DialogTemplate dialog_;
  QPushButton* ok_;
};

}  // namespace impulsor::ui
