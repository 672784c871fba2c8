#include "user_notifier.h"

#include <QMessageBox>

namespace konstel {

void CMessageBoxNotifier::warn(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace konstel
