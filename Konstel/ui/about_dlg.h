// The About box: the application icon, the design centre's full title, version, date and the
// author line.
#pragma once

#include <QDialog>

namespace konstel {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace konstel
