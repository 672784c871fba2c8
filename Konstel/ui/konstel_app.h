// The launcher application: sets the look, shows the design-centre window modally and ends when
// the window is closed. Nothing is saved between runs.
//
// With the environment variable KONSTEL_SCREENSHOT set to a file name, the window is drawn into
// that PNG file once it is up, and the program ends (exit code 1 if the file could not be written).
#pragma once

#include <QApplication>

namespace konstel {

class CKonstelApp : public QApplication {
  Q_OBJECT

 public:
  CKonstelApp(int& argc, char** argv);

  int run();
};

}  // namespace konstel
