// How the session shows a message box and hears the answer. The window shows a modal box,
// the command line prints it, the tests answer it.
#pragma once

#include <string_view>

namespace impulsor {

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer show(std::string_view text, std::string_view caption,
                             MessageButtons buttons) = 0;
};

// What the window does when the session asks it to show the stored texts again.
class SessionView {
 public:
  virtual ~SessionView() = default;
  virtual void refresh() = 0;
};

}  // namespace impulsor
