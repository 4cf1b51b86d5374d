#include "profiles/ui/profile_menu.h"

#include "app/core/string_table.h"
#include "app/ui/qt_text.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {

QAction* FillProfileMenu(QMenu& menu) {
    for (const ProfileGroupRow& group : AllProfileGroups()) {
        QMenu* submenu = menu.addMenu(ToQString(group.caption));
        for (const ProfileEntry& profile : ProfilesOfGroup(group)) {
            submenu->addAction(ToQString(profile.caption));
        }
    }
    menu.addSeparator();
    QAction* manual = menu.addAction(ToQString(texts::kManualConversion));
    manual->setObjectName("miManualConvert");
    manual->setToolTip(ToQString(texts::kManualConversionHint));
    manual->setStatusTip(manual->toolTip());
    menu.setToolTipsVisible(true);
    return manual;
}

QString ProfileOfMenuEntry(const QString& caption) {
    QString profile = caption;
    const qsizetype ampersand = profile.indexOf('&');
    if (ampersand >= 0) {
        profile.remove(ampersand, 1);
    }
    return profile;
}

QString ExtensionLabelText(const QString& profileCaption) {
    return "(*" + ToQString(GetProfileExtension(ToStdString(profileCaption))) + ")";
}

}  // namespace kestrum
