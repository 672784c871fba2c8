#include "dialog_template.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace impulsor::ui {

QString qs(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

DialogTemplate::DialogTemplate(QWidget* client, const DialogUnits& units)
    : client_(client), units_(units) {}

void DialogTemplate::registerItem(QWidget* control, int id) {
  if (id == 0) return;
  control->setObjectName(QString::number(id));
  items_.insert(id, control);
}

void DialogTemplate::place(QWidget* control, int id, int x, int y, int width, int height) {
  place(control, id, units_.rect(x, y, width, height));
}

void DialogTemplate::place(QWidget* control, int id, const QRect& pixels) {
  control->setParent(client_);
  control->setGeometry(pixels);
  registerItem(control, id);
}

QLabel* DialogTemplate::text(std::string_view text, int x, int y, int id) {
  auto* label = new QLabel(qs(text), client_);
  const QRect r = units_.rect(x, y, 0, 8);
  label->setGeometry(r.x(), r.y(), label->sizeHint().width(), r.height());
  registerItem(label, id);
  return label;
}

QLabel* DialogTemplate::centredText(std::string_view text, int x, int y, int width, int id) {
  auto* label = new QLabel(qs(text), client_);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QRect r = units_.rect(x, y, width, 8);
  const int needed = label->sizeHint().width();
  if (needed > r.width()) r.adjust(-(needed - r.width()) / 2, 0, (needed - r.width() + 1) / 2, 0);
  label->setGeometry(r);
  registerItem(label, id);
  return label;
}

QLineEdit* DialogTemplate::edit(int id, int x, int y, int width, int height) {
  auto* edit = new QLineEdit(client_);
  edit->setAlignment(Qt::AlignCenter);
  edit->setGeometry(units_.rect(x, y, width, height));
  registerItem(edit, id);
  return edit;
}

QPushButton* DialogTemplate::button(int id, std::string_view text, int x, int y, int width,
                                    int height) {
  auto* button = new QPushButton(qs(text), client_);
  button->setGeometry(units_.rect(x, y, width, height));
  registerItem(button, id);
  return button;
}

QGroupBox* DialogTemplate::group(std::string_view title, int x, int y, int width, int height) {
  auto* box = new QGroupBox(qs(title), client_);
  box->setGeometry(units_.rect(x, y, width, height));
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

QComboBox* DialogTemplate::combo(int id, int x, int y, int width) {
  auto* combo = new QComboBox(client_);
  combo->setEditable(true);
  // Typing into the field never adds an entry; only the listed ones can be chosen.
  combo->setInsertPolicy(QComboBox::NoInsert);
  const QRect r = units_.rect(x, y, width, 12);
  combo->setGeometry(r.x(), r.y(), r.width(), std::max(r.height(), combo->sizeHint().height()));
  registerItem(combo, id);
  return combo;
}

QRadioButton* DialogTemplate::radio(int id, std::string_view text, int x, int y) {
  auto* radio = new QRadioButton(qs(text), client_);
  const QRect r = units_.rect(x, y, 10, 10);
  radio->setGeometry(r.x(), r.y(), std::max(r.width(), radio->sizeHint().width()),
                     std::max(r.height(), radio->sizeHint().height()));
  // Radio buttons are chosen with the mouse; Tab passes them by.
  radio->setFocusPolicy(Qt::ClickFocus);
  registerItem(radio, id);
  return radio;
}

}  // namespace impulsor::ui
