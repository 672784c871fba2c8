// How the launcher tells the user something: a modal message box with an OK button. The window
// talks to this interface so a test can answer in place of the user.
#pragma once

#include <QString>

class QWidget;

namespace konstel {

class CUserNotifier {
 public:
  virtual ~CUserNotifier() = default;
  virtual void warn(QWidget* parent, const QString& caption, const QString& text) = 0;
};

class CMessageBoxNotifier final : public CUserNotifier {
 public:
  void warn(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace konstel
