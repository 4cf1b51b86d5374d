#pragma once

#include <functional>

namespace kestrum {

class TfrmMain;

// The program from start to end: wakes a copy that already runs and ends,
// or shows the main window and runs until it closes. `shown`, for the
// start-up benchmark, runs once the main window has been shown and drawn.
// Returns the exit code.
int RunProgram(int& argc, char** argv, const std::function<void(TfrmMain&)>& shown = {});

}  // namespace kestrum
