#include "about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"
#include "konstel_dlg.h"
#include "pictures.h"

namespace konstel {
namespace {

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  // Windows do not take their parent's font on their own.
  if (parent != nullptr) setFont(parent->font());
  setWindowTitle(QStringLiteral("О програме"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  const DialogUnits du(fontMetrics());
  setFixedSize(du.size(280, 104));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setPixmap(renderPicture(kAppIcon, {32, 32}, devicePixelRatioF()));
  icon->setGeometry(QRect(du.x(11), du.y(17), 32, 32));

  // The title takes two or three lines depending on the font, so it gets the room above the
  // version line and is centred in it.
  QLabel* title = addLabel(this, CKonstelDlg::title(), du.rect(40, 5, 200, 28));
  title->setWordWrap(true);
  addLabel(this, QStringLiteral("Версия 1.0.0.0"), du.rect(40, 37, 200, 8));
  addLabel(this, QStringLiteral("10.03.2020"), du.rect(40, 51, 200, 8));
  addLabel(this, QStringLiteral("Разработка: группа Konstel, Велиранд"), du.rect(40, 64, 200, 8));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(du.rect(115, 80, 50, 16));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace konstel
