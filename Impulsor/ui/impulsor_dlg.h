// The main window of the design program. It shows every input and result of the session and
// turns every user action into one session action: the controls' texts are copied into the
// session's inputs, the action runs, and everything the session holds is shown again. The
// window computes nothing itself.
#pragma once

#include <QDialog>
#include <QHash>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialog_template.h"
#include "impulsor_session.h"
#include "message_boxes.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenuBar;

namespace impulsor::ui {

class CResultStatic;
class CSpinButton;
class CToolTipCtrl;
class QtMessageBoxes;

class CImpulsorDlg final : public QDialog, public SessionView {
  Q_OBJECT

 public:
  static constexpr int kStartDelay_ms = 100;
  static constexpr int kInductanceTool = 1040;

  // folder: the working folder (series files, design files, settings, help).
  // boxes: where the messages go; the window's own modal boxes when null.
  explicit CImpulsorDlg(std::filesystem::path folder, MessageBoxes* boxes = nullptr,
                        QWidget* parent = nullptr);
  ~CImpulsorDlg() override;

  // Fields -> controls: every stored text, the lists, the enabled edits, the spin positions,
  // the results and their marks.
  void refresh() override;

  QWidget* item(int id) const { return dialog_.item(id); }
  template <class T>
  T* item(int id) const {
    return dialog_.item<T>(id);
  }
  QMenuBar* menuBar() const { return menuBar_; }
  QAction* helpAction() const { return helpAction_; }
  QAction* aboutAction() const { return aboutAction_; }
  CToolTipCtrl& toolTips() const { return *toolTips_; }
  const ImpulsorSession& session() const { return session_; }
  bool isStartUpComplete() const { return startUpComplete_; }

 signals:
  // The start-up design is shown.
  void startUpCompleted();

 public slots:
  // Esc, the close box and "Выход": the settings file is written, then the window closes.
  void reject() override;

 private:
  // The window template: every control at its place (impulsor_dlg_layout.cpp).
  void buildTemplate();
  void buildInputs();
  void buildResults();
  void buildButtonsAndLists();
  void setTabOrder();
  void setUpSpins();
  void setUpToolTips();
  void bindHandlers();

  // Controls -> fields; the Supply DC radio needs the mode of before its click, so it leaves
  // the radios out.
  void controlsToFields(bool radios = true);
  // One user action: controls -> fields, the action, fields -> controls.
  void perform(const std::function<void()>& action);
  void completeStartUp();
  void inputEdited(const std::string& key);
  void supplyDcClicked();
  void saveDesign();
  void loadDesign();
  void showHelp();
  void showAbout();
  void focusOptimizeButton();

  std::filesystem::path folder_;
  std::unique_ptr<QtMessageBoxes> ownBoxes_;
  MessageBoxes& boxes_;
  ImpulsorSession session_;

  QMenuBar* menuBar_ = nullptr;
  QAction* helpAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QWidget* client_ = nullptr;
  DialogTemplate dialog_;
  CToolTipCtrl* toolTips_ = nullptr;
  QTimer startTimer_;

  std::vector<std::pair<std::string, QLineEdit*>> edits_;  // design-file key -> edit
  QHash<int, CResultStatic*> results_;
  std::array<CSpinButton*, 4> diameterSpins_{};
  QComboBox* seriesCombo_ = nullptr;
  QComboBox* coreCombo_ = nullptr;
  QComboBox* orderCombo_ = nullptr;
  QListWidget* seriesScratch_ = nullptr;
  QButtonGroup* supply_ = nullptr;
  QButtonGroup* transistor_ = nullptr;

  bool showing_ = false;  // fields -> controls is running: change signals are not the user's
  bool startUpComplete_ = false;
  bool exited_ = false;
};

}  // namespace impulsor::ui
