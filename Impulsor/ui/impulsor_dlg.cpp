#include "impulsor_dlg.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>

#include "about_dlg.h"
#include "design_results.h"
#include "file_pickers.h"
#include "help_dlg.h"
#include "program_icon.h"
#include "qt_message_boxes.h"
#include "result_static.h"
#include "spin_button.h"
#include "tooltip_ctrl.h"
#include "window_controls.h"
#include "window_rows.h"

namespace impulsor::ui {

namespace {

using namespace impulsor::ui::controls;

std::string* inputText(DesignInputs& inputs, const std::string& key) {
  const InputKey* k = findInputKey(key);
  return k && k->text ? &(inputs.*(k->text)) : nullptr;
}

void setTextIfDifferent(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

void setItems(QComboBox* combo, const std::vector<std::string>& names) {
  QStringList items;
  for (const std::string& name : names) items << QString::fromStdString(name);
  QStringList shown;
  for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
  if (shown == items) return;
  combo->clear();
  combo->addItems(items);
}

// The group's button with this index checked, or none when the index names no button.
void checkRadio(QButtonGroup* group, int index) {
  if (QAbstractButton* button = group->button(index)) {
    button->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

}  // namespace

CImpulsorDlg::CImpulsorDlg(std::filesystem::path folder, MessageBoxes* boxes, QWidget* parent)
    : QDialog(parent),
      folder_(std::move(folder)),
      ownBoxes_(boxes ? nullptr : std::make_unique<QtMessageBoxes>(this)),
      boxes_(boxes ? *boxes : *ownBoxes_),
      session_(folder_, boxes_),
      menuBar_(new QMenuBar(this)),
      client_(new QWidget(this)),
      dialog_(client_, DialogUnits(dialogFont())) {
  setFont(dialogFont());
  setWindowTitle(qs(kWindowTitle));
  setWindowIcon(programIcon());
  // A fixed frame with a minimize box and no maximize box; shown in the taskbar.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  helpAction_ = menuBar_->addAction(QStringLiteral("Помощь"));
  aboutAction_ = menuBar_->addAction(QStringLiteral("О программе..."));
  menuBar_->setFocusPolicy(Qt::NoFocus);

  buildTemplate();
  const int menuHeight = menuBar_->sizeHint().height();
  menuBar_->setGeometry(0, 0, client_->width(), menuHeight);
  client_->move(0, menuHeight);
  setFixedSize(client_->width(), menuHeight + client_->height());

  setTabOrder();
  setUpSpins();
  setUpToolTips();
  bindHandlers();

  session_.setView(this);
  refresh();  // the defaults, and no results yet
  session_.startUp();
  refresh();
  for (const std::string& name : session_.seriesList())
    seriesScratch_->addItem(QString::fromStdString(name));

  startTimer_.setSingleShot(true);
  startTimer_.setInterval(kStartDelay_ms);
  connect(&startTimer_, &QTimer::timeout, this, &CImpulsorDlg::completeStartUp);
  startTimer_.start();
  item(kOptimizeButton)->setFocus();
}

CImpulsorDlg::~CImpulsorDlg() { session_.setView(nullptr); }

void CImpulsorDlg::bindHandlers() {
  const auto onClick = [this](int id, auto handler) {
    connect(item<QAbstractButton>(id), &QAbstractButton::clicked, this, handler);
  };
  onClick(kExitButton, [this] { reject(); });
  onClick(kAutomaticButton, [this] { perform([this] { session_.automaticSelection(); }); });
  onClick(kOptimizeButton, [this] { perform([this] { session_.optimize(); }); });
  onClick(kNextButton, [this] {
    perform([this] { session_.nextSize(); });
    focusOptimizeButton();
  });
  onClick(kPreviousButton, [this] {
    perform([this] { session_.previousSize(); });
    focusOptimizeButton();
  });
  onClick(kSaveButton, [this] { saveDesign(); });
  onClick(kLoadButton, [this] { loadDesign(); });
  onClick(kSupplyDc, [this] { supplyDcClicked(); });
  onClick(kSupplyAc, [this] { perform([this] { session_.clickSupplyAc(); }); });
  onClick(kBipolar, [this] { perform([this] { session_.clickBipolar(); }); });
  onClick(kFieldEffect, [this] { perform([this] { session_.clickFieldEffect(); }); });

  // Only the engineer's own choice in a list acts; showing a selection does not.
  connect(seriesCombo_, &QComboBox::activated, this, [this](int index) {
    if (!showing_) perform([this, index] { session_.chooseSeries(index); });
  });
  connect(coreCombo_, &QComboBox::activated, this, [this](int index) {
    if (!showing_) perform([this, index] { session_.chooseCore(index); });
  });
  connect(orderCombo_, &QComboBox::activated, this, [this](int index) {
    if (!showing_) perform([this, index] { session_.chooseWindingOrder(index); });
  });

  // The input rules run on what the engineer types, never on texts the program writes.
  for (const auto& [key, edit] : edits_) {
    connect(edit, &QLineEdit::textEdited, this, [this, key = key] { inputEdited(key); });
  }

  std::vector<int> spins = {kTurnsSpin};
  spins.insert(spins.end(), ctl::kDiameterSpins.begin(), ctl::kDiameterSpins.end());
  spins.insert(spins.end(), std::begin(kStrandsSpins), std::end(kStrandsSpins));
  for (const int id : spins) {
    connect(item<CSpinButton>(id), &CSpinButton::stepped, this, [this, id](int direction) {
      perform([=, this] { session_.spinStep(id, direction); });
    });
  }

  connect(helpAction_, &QAction::triggered, this, &CImpulsorDlg::showHelp);
  connect(aboutAction_, &QAction::triggered, this, &CImpulsorDlg::showAbout);
}

void CImpulsorDlg::controlsToFields(bool radios) {
  DesignInputs& inputs = session_.inputs();
  for (const auto& [key, edit] : edits_) {
    if (std::string* text = inputText(inputs, key)) *text = edit->text().toStdString();
  }
  if (radios) {
    inputs.setevoe = supply_->checkedId();
    inputs.rds = transistor_->checkedId();
  }
}

void CImpulsorDlg::refresh() {
  const QScopedValueRollback guard(showing_, true);
  DesignInputs& inputs = session_.inputs();
  for (const auto& [key, edit] : edits_) {
    if (const std::string* text = inputText(inputs, key))
      setTextIfDifferent(edit, QString::fromStdString(*text));
  }
  checkRadio(supply_, inputs.setevoe);
  checkRadio(transistor_, inputs.rds);

  setItems(seriesCombo_, session_.seriesList());
  seriesCombo_->setCurrentIndex(session_.seriesSelection());
  setItems(coreCombo_, session_.coreList());
  coreCombo_->setCurrentIndex(session_.coreSelection());
  orderCombo_->setCurrentIndex(inputs.pri_sec);

  item(kRdsEdit)->setEnabled(session_.rdsEditEnabled());
  item(kUnasEdit)->setEnabled(session_.unasEditEnabled());
  for (std::size_t k = 0; k < diameterSpins_.size(); ++k)
    diameterSpins_[k]->setPosition(session_.diameterSpins()[k]);

  const DesignResults& results = session_.results();
  const std::vector<int>& marks = session_.redMarks();
  for (auto it = results_.begin(); it != results_.end(); ++it) {
    it.value()->setText(QString::fromStdString(results.text(it.key())));
    it.value()->setMarked(std::find(marks.begin(), marks.end(), it.key()) != marks.end());
  }
  toolTips_->setToolText(kInductanceTool, QString::fromStdString(session_.inductanceTooltip()));
}

void CImpulsorDlg::perform(const std::function<void()>& action) {
  controlsToFields();
  action();
  refresh();
}

void CImpulsorDlg::completeStartUp() {
  if (exited_) return;
  perform([this] { session_.completeStartUp(); });
  startUpComplete_ = true;
  emit startUpCompleted();
}

void CImpulsorDlg::inputEdited(const std::string& key) {
  if (showing_) return;
  // The session knows which inputs have a rule; for the others nothing changes.
  perform([this, &key] { session_.inputEdited(key); });
}

void CImpulsorDlg::supplyDcClicked() {
  controlsToFields(/*radios=*/false);
  session_.clickSupplyDc();
  refresh();
}

void CImpulsorDlg::saveDesign() {
  controlsToFields();
  CSaveFileDlg picker(folder_, boxes_, this);
  picker.setFileName(session_.proposedDesignFileName());
  if (picker.exec() == QDialog::Accepted) session_.saveDesign(picker.fileName());
  refresh();
  focusOptimizeButton();
}

void CImpulsorDlg::loadDesign() {
  COpenFileDlg picker(folder_, this);
  if (picker.exec() == QDialog::Accepted) {
    perform([this, name = picker.fileName()] { session_.loadDesign(name); });
  }
  focusOptimizeButton();
}

void CImpulsorDlg::showHelp() {
  CHelpDlg help(folder_, boxes_, this);
  help.exec();
}

void CImpulsorDlg::showAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CImpulsorDlg::focusOptimizeButton() { item(kOptimizeButton)->setFocus(); }

void CImpulsorDlg::reject() {
  if (exited_) return;
  exited_ = true;
  startTimer_.stop();
  controlsToFields();
  session_.exit();  // a settings file that cannot be written is reported there
  QDialog::reject();
}

}  // namespace impulsor::ui
