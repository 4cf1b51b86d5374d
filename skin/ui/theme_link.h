#pragma once

#include <QMetaObject>
#include <QPointer>
#include <functional>

#include "skin/core/theme_table.h"
#include "skin/ui/theme_source.h"

namespace kestrum {

// What a skinned control keeps of its FileTheme: a guarded reference to the
// source and the connections that re-apply the style when the source loads
// another skin or is destroyed.
class ThemeLink {
public:
    ThemeLink() = default;
    ThemeLink(const ThemeLink&) = delete;
    ThemeLink& operator=(const ThemeLink&) = delete;
    ~ThemeLink();

    // Follows `source` (none when null). `changed` runs after each new skin,
    // `gone` after the source was destroyed (the link is then empty). False
    // when the link already follows `source`.
    bool Follow(QObject* owner, TlumThemeSource* source, std::function<void()> changed,
                std::function<void()> gone);

    TlumThemeSource* Source() const { return source_; }

    // The look the control takes with `style`: the file theme when it is
    // assigned and ready, else the built-in style (DeepBlue for FromThemeFile).
    ResolvedStyle Resolve(TlumUIStyle style) const {
        return ResolveStyle(source_ != nullptr && source_->Ready(), style);
    }

private:
    void Disconnect();

    QPointer<TlumThemeSource> source_;
    QMetaObject::Connection changed_;
    QMetaObject::Connection gone_;
};

}  // namespace kestrum
