#include "skin/ui/apply_style.h"

#include <QMetaObject>
#include <QVariant>

#include "skin/ui/skin_types.h"

namespace kestrum {

void ApplyStyleToChildren(QWidget& container, TlumUIStyle style, TlumThemeSource* theme) {
    for (QObject* child : container.children()) {
        const QMetaObject* meta = child->metaObject();
        if (!child->isWidgetType() || meta->indexOfProperty("FileTheme") < 0 ||
            meta->indexOfProperty("UIStyle") < 0) {
            continue;
        }
        child->setProperty("FileTheme", QVariant::fromValue(theme));
        child->setProperty("UIStyle", QVariant::fromValue(style));
    }
}

}  // namespace kestrum
