#include "app/ui/qt_dispatcher.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace kestrum {

void QtMainThreadDispatcher::Post(std::function<void()> op) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(op), Qt::QueuedConnection);
}

}  // namespace kestrum
