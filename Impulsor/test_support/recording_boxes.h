// Message boxes answered OK at once, each kept as "caption: text" for the test to read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "message_boxes.h"

namespace impulsor::test {

class RecordingBoxes final : public MessageBoxes {
 public:
  MessageAnswer show(std::string_view text, std::string_view caption, MessageButtons) override {
    shown.push_back(std::string(caption) + ": " + std::string(text));
    return MessageAnswer::Ok;
  }
  std::vector<std::string> shown;
};

}  // namespace impulsor::test
