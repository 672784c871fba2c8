// Builds a window's controls at their places in dialog units and finds them again by their
// identifiers, the numbers by which the program and its tests refer to controls.
#pragma once

#include <QHash>
#include <QString>
#include <string_view>

#include "dialog_units.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace impulsor::ui {

QString qs(std::string_view utf8);

class DialogTemplate {
 public:
  DialogTemplate(QWidget* client, const DialogUnits& units);

  // A static text of one line, as wide as its text, left-aligned.
  QLabel* text(std::string_view text, int x, int y, int id = 0);
  // A static text centred in the given width (wider when its text is wider).
  QLabel* centredText(std::string_view text, int x, int y, int width, int id = 0);
  QLineEdit* edit(int id, int x, int y, int width = 24, int height = 12);
  QPushButton* button(int id, std::string_view text, int x, int y, int width, int height);
  QGroupBox* group(std::string_view title, int x, int y, int width, int height);
  // A drop-down list with an edit field; the height is that of the closed list.
  QComboBox* combo(int id, int x, int y, int width);
  QRadioButton* radio(int id, std::string_view text, int x, int y);

  // Places a control made elsewhere and registers it under its identifier.
  void place(QWidget* control, int id, int x, int y, int width, int height);
  void place(QWidget* control, int id, const QRect& pixels);

  QWidget* item(int id) const { return items_.value(id); }
  template <class T>
  T* item(int id) const {
    return qobject_cast<T*>(items_.value(id));
  }
  const DialogUnits& units() const { return units_; }
  QWidget* client() const { return client_; }

 private:
  void registerItem(QWidget* control, int id);

  QWidget* client_;
  DialogUnits units_;
  QHash<int, QWidget*> items_;
};

}  // namespace impulsor::ui
