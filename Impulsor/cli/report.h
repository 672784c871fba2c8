// What the command line prints after the last action: a report laid out like the main window,
// or one JSON object.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "impulsor_session.h"

namespace impulsor::cli {

struct ShownMessage {
  std::string caption, text;
};

std::string textReport(const ImpulsorSession& session);
std::string jsonReport(const ImpulsorSession& session, const std::vector<ShownMessage>& messages);

}  // namespace impulsor::cli
