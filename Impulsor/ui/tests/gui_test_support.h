// What the window tests share: the application (offscreen), a copy of the shipped data folder,
// message boxes answered by the test, the answering of modal windows, and the user's hands:
// clicks, typing, list choices and spin steps on controls found by their identifiers.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "message_boxes.h"
#include "temp_folder.h"

class QTimer;
class QWidget;

namespace impulsor::ui {
class CImpulsorDlg;
}

namespace impulsor::ui::test {

// Every box is recorded and answered at once: with the queued answers first, then OK.
class ScriptedBoxes final : public MessageBoxes {
 public:
  struct Shown {
    std::string caption, text;
    MessageButtons buttons;
  };
  MessageAnswer show(std::string_view text, std::string_view caption,
                     MessageButtons buttons) override;
  std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }

  std::vector<Shown> shown;
  std::deque<MessageAnswer> answers;
};

// A temporary working folder holding the shipped series files and help text.
class DataFolder : public impulsor::test::TempFolder {
 public:
  DataFolder();
  bool exists(const std::string& name) const;
  void remove(const std::string& name) const;
};

// Waits, handling events, until the condition holds; false after the timeout.
bool waitFor(const std::function<bool()>& condition, int timeout_ms = 5000);

// Answers the next modal window that opens (a picker, the help window, a real message box):
// `answer` runs on it, and whatever it leaves open is closed, so no test leaves a window open.
class ModalWatch {
 public:
  explicit ModalWatch(std::function<void(QWidget&)> answer);
  ~ModalWatch();
  bool answered() const { return *answered_; }

 private:
  std::unique_ptr<QTimer> timer_;
  std::shared_ptr<bool> answered_;
};

// The main window on the data folder with scripted boxes, shown, start-up complete.
class MainWindowTest : public ::testing::Test {
 protected:
  void TearDown() override;
  CImpulsorDlg& open();
  CImpulsorDlg& window() { return *window_; }
  void closeWindow();

  // What a control shows: an edit's or a static's text, a list's current text.
  QString shown(int id) const;
  bool enabled(int id) const;
  bool checked(int id) const;
  void click(int id);
  // Selects the edit's whole text and types over it, key by key.
  void retype(int id, const QString& text);
  void pressEnter(int id);
  // Opens the list and clicks its entry.
  void choose(int id, int index);
  // A click on the up (+1) or down (-1) arrow of a spin button.
  void step(int spinId, int direction);
  QStringList items(int id) const;
  int focusedId() const;

  DataFolder folder;
  ScriptedBoxes boxes;
  std::unique_ptr<CImpulsorDlg> window_;
};

}  // namespace impulsor::ui::test
