// The design program's application: its style (tips appear 100 ms after the mouse rests),
// Russian texts in the standard boxes, the program icon, and the main window shown until it
// closes.
#pragma once

#include <QApplication>
#include <QString>
#include <filesystem>

namespace impulsor::ui {

class CImpulsorApp : public QApplication {
  Q_OBJECT

 public:
  CImpulsorApp(int& argc, char** argv);

  // Shows the main window on the working folder until it closes. With a screenshot path the
  // window is drawn into that PNG file once its start-up design is shown, and closed.
  int run(const std::filesystem::path& folder, const QString& screenshotPath = {});
};

}  // namespace impulsor::ui
