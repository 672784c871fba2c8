// The design program: the main window on the current folder, which holds the series files,
// the design files, the settings file and the help text.
// IMPULSOR_SCREENSHOT=file.png draws the window after start-up into that file and ends.
#include <filesystem>

#include "impulsor_app.h"

int main(int argc, char** argv) {
  impulsor::ui::CImpulsorApp app(argc, argv);
  return app.run(std::filesystem::current_path(), qEnvironmentVariable("IMPULSOR_SCREENSHOT"));
}
