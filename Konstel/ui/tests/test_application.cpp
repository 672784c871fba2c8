#include "test_application.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <memory>

#include "konstel_style.h"

namespace konstel::testing {
namespace {

constexpr int kPoll_ms = 10;
constexpr int kGiveUp_ms = 5000;

}  // namespace

void ensureApplication() {
  if (QApplication::instance() != nullptr) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "konstel_ui_tests";
  static char* argv[] = {name, nullptr};
  // Lives until the test program ends; Qt's own statics go down after it.
  auto* app = new QApplication(argc, argv);
  app->setStyle(new CKonstelStyle);
}

std::shared_ptr<bool> answerNextModal(std::function<void(QWidget*)> inspect) {
  auto seen = std::make_shared<bool>(false);
  auto* timer = new QTimer;
  auto waited_ms = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, seen, waited_ms, inspect] {
    *waited_ms += kPoll_ms;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
      *seen = true;
      inspect(modal);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->done(QDialog::Accepted);
      } else {
        modal->close();
      }
    }
    if (*seen || *waited_ms >= kGiveUp_ms) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(kPoll_ms);
  return seen;
}

}  // namespace konstel::testing
