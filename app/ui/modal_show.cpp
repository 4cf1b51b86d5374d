#include "app/ui/modal_show.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace kestrum {
namespace {

// What the user does with the mouse, the keyboard, a pen or a finger. A
// pointer leaving a window still passes, so nothing stays lit.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

// The top-level windows that were visible when `modal` opened, disabled for
// the user while this lives: their input is dropped (an accepted shortcut
// override keeps their shortcuts from firing too), and activating one hands
// the activation on to `modal`. Their close requests still arrive.
class DisabledWindows final : public QObject {
public:
    explicit DisabledWindows(QWidget& modal) : modal_(modal) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &modal && window->isVisible()) {
                windows_.append(window);
            }
        }
        qApp->installEventFilter(this);
    }
    ~DisabledWindows() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (!receiver->isWidgetType() ||
            !windows_.contains(static_cast<QWidget*>(receiver)->window())) {
            return false;
        }
        if (event->type() == QEvent::WindowActivate &&
            QApplication::activeModalWidget() == nullptr) {
            QTimer::singleShot(0, &modal_, [modal = &modal_] {
                if (modal->isVisible()) {
                    modal->activateWindow();
                }
            });
            return false;
        }
        if (!IsUserInput(event->type())) {
            return false;
        }
        event->accept();
        return true;
    }

private:
    QWidget& modal_;
    QList<QPointer<QWidget>> windows_;
};

}  // namespace

int ShowModal(QDialog& window) {
    const DisabledWindows disabled(window);
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    // FormShow may already have closed it.
    if (window.isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    return window.result();
}

}  // namespace kestrum
