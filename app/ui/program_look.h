#pragma once

namespace kestrum {

// Once per run, before the first window: the window font as the
// application's font (menus and message boxes included), the program icon,
// and the name of the program's desktop entry.
void ApplyProgramLook();

}  // namespace kestrum
