#include "about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "program_icon.h"
#include "window_rows.h"

namespace impulsor::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), dialog_(this, DialogUnits(dialogFont())) {
  setFont(dialogFont());
  setWindowTitle(QStringLiteral("О программе"));
  setFixedSize(dialog_.units().size(270, 112));
  auto* icon = new QLabel;
  dialog_.place(icon, 0, 11, 17, 20, 20);
  icon->setPixmap(programPixmap(std::min(icon->width(), icon->height())));
  auto* title = new QLabel(qs(kWindowTitle));
  dialog_.place(title, 0, 40, 14, 190, 16);
  title->setAlignment(Qt::AlignCenter);
  title->setWordWrap(true);
  dialog_.centredText("Версия 1.0.0.0", 110, 40, 50);
  dialog_.centredText("20.03.2020", 110, 56, 50);
  dialog_.centredText(kCredit, 70, 72, 130);
  ok_ = dialog_.button(1, "OK", 110, 89, 50, 16);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace impulsor::ui
