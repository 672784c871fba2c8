// What the benchmarks share: the shipped data folder, a session that answers every message,
// and a generated series of 100 cores.
#pragma once

#include <filesystem>
#include <string>

#include "impulsor_session.h"

namespace impulsor::bench {

inline const std::filesystem::path kData = IMPULSOR_DATA_DIR;

class SilentBoxes final : public MessageBoxes {
 public:
  MessageAnswer show(std::string_view, std::string_view, MessageButtons) override {
    ++shown;
    return MessageAnswer::Ok;
  }
  int shown = 0;
};

// A folder with the shipped default series and, beside it, "Worst cores": 100 sizes of the
// default material that all pass the first estimate but whose windows hold no primary, so the
// automatic selection designs every one of them.
std::filesystem::path benchFolder();

}  // namespace impulsor::bench
