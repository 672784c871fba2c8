// The whole program without its window: a fuzzed design file loaded on the shipped default
// series, then a fuzzed sequence of actions. No crash, no sanitizer report, and never "nan" or
// "inf" in a result text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "impulsor_session.h"
#include "number_format.h"

namespace {

namespace fs = std::filesystem;

class SilentBoxes final : public impulsor::MessageBoxes {
 public:
  impulsor::MessageAnswer show(std::string_view, std::string_view,
                               impulsor::MessageButtons) override {
    return impulsor::MessageAnswer::Ok;
  }
};

fs::path folder() {
  static const fs::path made = [] {
    const fs::path f = fs::temp_directory_path() / ("impulsor-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(f);
    fs::copy_file(fs::path(IMPULSOR_DATA_DIR) / "KVZN-TH cores.txt", f / "KVZN-TH cores.txt",
                  fs::copy_options::overwrite_existing);
    return f;
  }();
  return made;
}

void check(const impulsor::ImpulsorSession& session) {
  for (int id : impulsor::kResultControls) {
    const std::string& text = session.results().text(id);
    if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos ||
        text.find(impulsor::kNotANumberText) != std::string::npos)
      __builtin_trap();
  }
}

constexpr int kSpins[] = {1098, 1099, 1100, 1101, 1102, 1103, 1105, 1107, 1109};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first byte says how much of the rest is the design file; the bytes after it are actions.
  const std::size_t fileSize = std::min<std::size_t>(size - 1, data[0] * 16u);
  const std::string file(reinterpret_cast<const char*>(data + 1), fileSize);
  std::ofstream(folder() / "fuzz.sav", std::ios::binary) << file;

  SilentBoxes boxes;
  impulsor::ImpulsorSession session(folder(), boxes);
  session.startUp(/*readSettings=*/false);
  session.completeStartUp();
  session.loadDesign("fuzz.sav");
  check(session);
  std::size_t actions = 0;
  for (std::size_t i = 1 + fileSize; i < size && actions < 12; ++i, ++actions) {
    const std::uint8_t a = data[i];
    switch (a % 8) {
      case 0:
        session.automaticSelection();
        break;
      case 1:
        session.optimize();
        break;
      case 2:
        session.nextSize();
        break;
      case 3:
        session.previousSize();
        break;
      case 4:
        session.recalculateCurrentCore();
        break;
      case 5:
        session.spinStep(kSpins[(a / 8) % 9], (a & 0x80) ? -1 : 1);
        break;
      case 6:
        session.chooseWindingOrder((a / 8) % 2);
        break;
      case 7:
        if (a & 0x10)
          session.clickSupplyAc();
        else
          session.clickSupplyDc();
        break;
    }
    check(session);
  }
  return 0;
}
