#pragma once

namespace kestrum {

// Once per run, before the first window: the window font as the
// application's font (menus and message boxes included) and the name of the
// program's desktop entry.
void ApplyProgramLook();

// The program icon of every window, for title bars and task bars. Decoding
// it costs more than any picture the main window draws, and no window draws
// it itself: the main window sets it once it has been drawn.
void ApplyProgramIcon();

}  // namespace kestrum
