// The design centre's window: eight picture buttons, one per calculator program, in two groups
// (transformers, chokes) on a blue background with the maker's logo, web address, feedback note
// and information banner. A click starts the program found for that button at start-up, or says
// that the program is not part of the set. Enter does nothing; Esc and the close box end it.
#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

#include "program_finder.h"
#include "user_notifier.h"

class QAction;

namespace konstel {

class CPictureButton;

class CKonstelDlg : public QDialog {
  Q_OBJECT

 public:
  // `programsRoot` is the folder whose sub-folders hold the programs: the launcher's working
  // folder. Without a notifier, messages go to message boxes.
  explicit CKonstelDlg(std::filesystem::path programsRoot = ".",
                       std::unique_ptr<CUserNotifier> notifier = nullptr,
                       QWidget* parent = nullptr);
  ~CKonstelDlg() override;

  static QString title();

  // Starts the program of table row `row` (0 … 7), or tells the user why it cannot.
  void launchProgram(std::size_t row);

  const ProgramPaths& programPaths() const { return paths_; }
  QAction* aboutAction() const { return aboutAction_; }

 public slots:
  void showAbout();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildMenu();
  void buildClientArea();

  std::filesystem::path root_;
  std::unique_ptr<CUserNotifier> notifier_;
  ProgramPaths paths_;
  QAction* aboutAction_ = nullptr;
};

}  // namespace konstel
