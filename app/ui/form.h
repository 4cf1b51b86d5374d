#pragma once

#include <QShowEvent>

#include "app/ui/error_report.h"

namespace kestrum {

// The base of the program's windows (Window is QWidget or QDialog):
// FormShow runs each time the program shows the window (not when the
// desktop merely restores it), through the top-level error handler.
template <class Window>
class TForm : public Window {
public:
    using Window::Window;

protected:
    virtual void FormShow() {}

    void showEvent(QShowEvent* event) override {
        Window::showEvent(event);
        if (!event->spontaneous()) {
            RunGuarded(this, [this] { FormShow(); });
        }
    }
};

}  // namespace kestrum
