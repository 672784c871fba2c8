#include "impulsor_app.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

#include "dialog_units.h"
#include "impulsor_dlg.h"
#include "program_icon.h"
#include "tooltip_ctrl.h"

namespace impulsor::ui {

namespace {

class CImpulsorStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return CToolTipCtrl::kInitialDelay_ms;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

CImpulsorApp::CImpulsorApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Impulsor"));
  setStyle(new CImpulsorStyle);
  setFont(programDialogFont(), "QDialog");
  setWindowIcon(programIcon());
  // The buttons of the standard boxes ("OK", "Cancel") in the program's language.
  auto* translator = new QTranslator(this);
  if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    installTranslator(translator);
  }
}

int CImpulsorApp::run(const std::filesystem::path& folder, const QString& screenshotPath) {
  CImpulsorDlg window(folder);
  if (!screenshotPath.isEmpty()) {
    connect(&window, &CImpulsorDlg::startUpCompleted, &window, [&window, screenshotPath] {
      window.grab().save(screenshotPath, "PNG");
      window.done(QDialog::Accepted);
    });
  }
  window.exec();
  return 0;
}

}  // namespace impulsor::ui
