#pragma once

#include <functional>

class QWidget;

namespace kestrum {

// Runs one event handler of a window. An error that escapes it ends up here,
// as in the one top-level handler of the program: its text goes to the user
// in a message box with the error icon, and the program goes on.
void RunGuarded(QWidget* owner, const std::function<void()>& handler);

}  // namespace kestrum
