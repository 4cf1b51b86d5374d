#pragma once

class QDialog;

namespace kestrum {

// Shows `window` modally as the program's windows have always been shown:
// every other visible top-level window of the program is disabled while it
// is open, and a local event loop runs until it closes (QDialog::done); the
// windows disabled here are enabled again afterwards. Returns its result.
//
// Unlike QDialog::exec, this does not make the window Qt-modal, and Qt
// drops a close request from the desktop (taskbar, window manager) to a
// window that a Qt-modal window blocks. Here such a request still reaches
// the main window, which can then end what runs in the modal window.
int ShowModal(QDialog& window);

}  // namespace kestrum
