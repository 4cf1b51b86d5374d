#pragma once

class QDialog;

namespace kestrum {

// Shows `window` modally as the program's windows have always been shown:
// the other visible top-level windows of the program take no input from the
// user while it is open (they look as they did, unlike disabled Qt widgets,
// which grey every control), and a local event loop runs until it closes
// (QDialog::done). Returns its result.
//
// Unlike QDialog::exec, this does not make the window Qt-modal: Qt drops a
// close request from the desktop (taskbar, window manager) to a window that
// a Qt-modal window blocks. Here such a request still reaches the main
// window, which can then end what runs in the modal window.
int ShowModal(QDialog& window);

}  // namespace kestrum
