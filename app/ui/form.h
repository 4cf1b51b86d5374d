#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <QShowEvent>
#include <type_traits>

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

    // Escape clicks a skinned button whose Cancel is set (the dialog keys,
    // which see it first); otherwise it does nothing, where a QDialog would
    // close itself.
    void keyPressEvent(QKeyEvent* event) override {
        if constexpr (std::is_base_of_v<QDialog, Window>) {
            if (event->matches(QKeySequence::Cancel)) {
                event->accept();
                return;
            }
        }
        Window::keyPressEvent(event);
    }
};

}  // namespace kestrum
