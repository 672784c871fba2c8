#include "gui_test_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "impulsor_app.h"
#include "impulsor_dlg.h"
#include "spin_button.h"

namespace impulsor::ui::test {

namespace {

namespace fs = std::filesystem;

// One application for the whole test program, on the offscreen platform unless told otherwise.
class Application final : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<CImpulsorApp>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "impulsor_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<CImpulsorApp> app_;
};

[[maybe_unused]] const auto* const kApplication =
    ::testing::AddGlobalTestEnvironment(new Application);

}  // namespace

MessageAnswer ScriptedBoxes::show(std::string_view text, std::string_view caption,
                                  MessageButtons buttons) {
  shown.push_back({std::string(caption), std::string(text), buttons});
  if (answers.empty()) return MessageAnswer::Ok;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

DataFolder::DataFolder() {
  for (const auto& entry : fs::directory_iterator(IMPULSOR_DATA_DIR)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt")
      fs::copy_file(entry.path(), path() / entry.path().filename());
  }
}

bool DataFolder::exists(const std::string& name) const { return fs::exists(path() / name); }
void DataFolder::remove(const std::string& name) const { fs::remove(path() / name); }

bool waitFor(const std::function<bool()>& condition, int timeout_ms) {
  return QTest::qWaitFor(condition, timeout_ms);
}

ModalWatch::ModalWatch(std::function<void(QWidget&)> answer)
    : timer_(std::make_unique<QTimer>()), answered_(std::make_shared<bool>(false)) {
  timer_->setInterval(10);
  QTimer* timer = timer_.get();
  QObject::connect(timer, &QTimer::timeout, [timer, answer, answered = answered_] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    timer->stop();
    *answered = true;
    answer(*modal);
    if (modal->isVisible()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
    }
  });
  timer_->start();
}

ModalWatch::~ModalWatch() { timer_->stop(); }

void MainWindowTest::TearDown() {
  if (window_) window_->hide();
  window_.reset();
  // Nothing may stay open for the next test.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

CImpulsorDlg& MainWindowTest::open() {
  window_ = std::make_unique<CImpulsorDlg>(folder.path(), &boxes);
  window_->show();
  window_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  EXPECT_TRUE(waitFor([this] { return window_->isStartUpComplete(); }));
  return *window_;
}

void MainWindowTest::closeWindow() {
  window_->hide();
  window_.reset();
}

QString MainWindowTest::shown(int id) const {
  QWidget* control = window_->item(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
  ADD_FAILURE() << "no control " << id;
  return {};
}

bool MainWindowTest::enabled(int id) const { return window_->item(id)->isEnabled(); }

bool MainWindowTest::checked(int id) const {
  return window_->item<QAbstractButton>(id)->isChecked();
}

void MainWindowTest::click(int id) {
  auto* button = window_->item<QAbstractButton>(id);
  ASSERT_NE(button, nullptr) << id;
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void MainWindowTest::retype(int id, const QString& text) {
  auto* edit = window_->item<QLineEdit>(id);
  ASSERT_NE(edit, nullptr) << id;
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(edit, Qt::Key_Delete);
  } else {
    QTest::keyClicks(edit, text);
  }
}

void MainWindowTest::pressEnter(int id) { QTest::keyClick(window_->item(id), Qt::Key_Return); }

void MainWindowTest::choose(int id, int index) {
  auto* combo = window_->item<QComboBox>(id);
  ASSERT_NE(combo, nullptr) << id;
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(waitFor([list] { return list->isVisible(); }));
  const QModelIndex entry = list->model()->index(index, 0);
  list->scrollTo(entry);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
  if (list->isVisible()) combo->hidePopup();
}

void MainWindowTest::step(int spinId, int direction) {
  auto* spin = window_->item<CSpinButton>(spinId);
  ASSERT_NE(spin, nullptr) << spinId;
  QToolButton* arrow = direction > 0 ? spin->upButton() : spin->downButton();
  QTest::mouseClick(arrow, Qt::LeftButton, {}, arrow->rect().center());
}

QStringList MainWindowTest::items(int id) const {
  QStringList names;
  auto* combo = window_->item<QComboBox>(id);
  for (int i = 0; i < combo->count(); ++i) names << combo->itemText(i);
  return names;
}

int MainWindowTest::focusedId() const {
  // The window's own focus, which it keeps while a picker or box over it is active.
  for (QWidget* w = window_->focusWidget(); w; w = w->parentWidget()) {
    bool isNumber = false;
    const int id = w->objectName().toInt(&isNumber);
    if (isNumber) return id;
  }
  return 0;
}

}  // namespace impulsor::ui::test
