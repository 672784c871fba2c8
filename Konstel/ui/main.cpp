// Konstel, the design centre: starts the calculator programs found in the sub-folders of the
// folder it is started in.
#include "konstel_app.h"

int main(int argc, char** argv) {
  konstel::CKonstelApp app(argc, argv);
  return app.run();
}
