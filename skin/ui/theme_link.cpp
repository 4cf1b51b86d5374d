#include "skin/ui/theme_link.h"

namespace kestrum {

ThemeLink::~ThemeLink() {
    Disconnect();
}

void ThemeLink::Disconnect() {
    QObject::disconnect(changed_);
    QObject::disconnect(gone_);
}

bool ThemeLink::Follow(QObject* owner, TlumThemeSource* source, std::function<void()> changed,
                       std::function<void()> gone) {
    if (source_ == source && (source == nullptr || changed_)) {
        return false;
    }
    Disconnect();
    source_ = source;
    if (source != nullptr) {
        changed_ = QObject::connect(source, &TlumThemeSource::themeChanged, owner, changed);
        gone_ = QObject::connect(source, &QObject::destroyed, owner, [this, gone] {
            Disconnect();
            source_ = nullptr;
            gone();
        });
    }
    return true;
}

}  // namespace kestrum
