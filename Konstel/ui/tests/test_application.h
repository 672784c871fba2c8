// The Qt application the window tests need, and a stand-in for the user who answers modal
// windows, so no test is ever left waiting on a message box.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace konstel::testing {

// Creates the application once for the whole test program, on the offscreen platform unless
// another one is asked for.
void ensureApplication();

// The next modal window that comes up is handed to `inspect` and then closed. The watch gives up
// after a few seconds; returns a flag that tells whether a modal window was seen.
std::shared_ptr<bool> answerNextModal(std::function<void(QWidget*)> inspect);

}  // namespace konstel::testing
