#include "skin/ui/dialog_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "skin/core/button_layout.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"

namespace kestrum {
namespace {

// A control of `window` that could take the focus now.
template <typename Control>
QList<Control*> LiveControls(QWidget* window) {
    QList<Control*> live;
    for (Control* control : window->findChildren<Control*>()) {
        if (control->window() == window && control->isVisible() && control->isEnabled()) {
            live.append(control);
        }
    }
    return live;
}

char KeyCharacter(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char>('a' + (key - Qt::Key_A));
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<char>('0' + (key - Qt::Key_0));
    }
    const QString text = event.text().toLower();
    return text.size() == 1 && text[0].unicode() < 128 ? static_cast<char>(text[0].unicode()) : 0;
}

bool ClickDefaultOrCancel(QWidget* window, int key) {
    for (TlumButton* button : LiveControls<TlumButton>(window)) {
        const bool wanted = key == Qt::Key_Escape ? button->Cancel() : button->IsActiveDefault();
        if (wanted) {
            button->Click();
            return true;
        }
    }
    return false;
}

bool ClickAccelerator(QWidget* window, char key, bool altHeld) {
    // Without Alt, only a focused skinned button takes accelerators: it is
    // the one control that answers the skinned controls' query for it.
    const bool buttonFocused = qobject_cast<TlumCustomButton*>(QApplication::focusWidget());
    if (!altHeld && !buttonFocused) {
        return false;
    }
    for (TlumCustomButton* button : LiveControls<TlumCustomButton>(window)) {
        if (AcceleratorOf(button->Caption().toStdString()) == key &&
            button->parentWidget()->isEnabled()) {
            button->Click();
            return true;
        }
    }
    for (TlumCheckBox* box : LiveControls<TlumCheckBox>(window)) {
        if (AcceleratorOf(box->Caption().toStdString()) == key &&
            box->parentWidget()->isEnabled()) {
            if (box->TabStop()) {
                box->setFocus(Qt::ShortcutFocusReason);
            }
            box->Click();
            return true;
        }
    }
    return false;
}

class DialogKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !receiver->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(receiver);
        // Only the first delivery, to the focused control, not its parents.
        if (widget != QApplication::focusWidget() && widget != widget->window()) {
            return false;
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const Qt::KeyboardModifiers held =
            key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QWidget* window = widget->window();
        const int code = key.key();
        if (code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Escape) {
            return held == Qt::NoModifier && ClickDefaultOrCancel(window, code);
        }
        const char character = KeyCharacter(key);
        if (character == 0 || (held & Qt::ControlModifier)) {
            return false;
        }
        return ClickAccelerator(window, character, held & Qt::AltModifier);
    }
};

}  // namespace

void InstallDialogKeys() {
    static QPointer<DialogKeyFilter> filter;
    if (filter.isNull() && qApp != nullptr) {
        filter = new DialogKeyFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

}  // namespace kestrum
