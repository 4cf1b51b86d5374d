#include "app/ui/modal_show.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPointer>

namespace kestrum {

int ShowModal(QDialog& window) {
    QList<QPointer<QWidget>> disabled;
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible() && other->isEnabled()) {
            other->setEnabled(false);
            disabled.append(other);
        }
    }
    // A window owned by a disabled one is disabled with it, unless told otherwise.
    window.setEnabled(true);
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    // FormShow may already have closed it.
    if (window.isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    for (const QPointer<QWidget>& other : disabled) {
        if (other != nullptr) {
            other->setEnabled(true);
        }
    }
    return window.result();
}

}  // namespace kestrum
