#pragma once

#include <QMenu>
#include <QString>

namespace kestrum {

// The profile menu's entries, from the catalogue: one entry per group, in
// catalogue order, each opening a submenu of that group's profile captions;
// then a separator and "Manual conversion" (named miManualConvert, with its
// hint), which this returns.
QAction* FillProfileMenu(QMenu& menu);

// The profile a chosen menu entry stands for: its caption with the first
// "&" removed, should the menu have inserted one as an accelerator.
QString ProfileOfMenuEntry(const QString& caption);

// The extension label for a profile caption: "(*.mp4)"; "(*)" for a caption
// that is neither in the catalogue nor a manual command.
QString ExtensionLabelText(const QString& profileCaption);

}  // namespace kestrum
