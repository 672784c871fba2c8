#include "konstel_app.h"

#include <QTimer>

#include "konstel_dlg.h"
#include "konstel_style.h"

namespace konstel {
namespace {

// Long enough for the window to be mapped and painted once.
constexpr int kScreenshotDelay_ms = 500;

}  // namespace

CKonstelApp::CKonstelApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Konstel"));
  setApplicationVersion(QStringLiteral("1.0.0.0"));
  setStyle(new CKonstelStyle);
}

int CKonstelApp::run() {
  // The programs are looked for in the folder the launcher was started in.
  CKonstelDlg window(".");
  const QString screenshot = qEnvironmentVariable("KONSTEL_SCREENSHOT");
  bool screenshotFailed = false;
  if (!screenshot.isEmpty()) {
    QTimer::singleShot(kScreenshotDelay_ms, &window, [&window, &screenshot, &screenshotFailed] {
      screenshotFailed = !window.grab().save(screenshot, "PNG");
      window.reject();
    });
  }
  window.exec();
  return screenshotFailed ? 1 : 0;
}

}  // namespace konstel
