#pragma once

#include <span>

#include "app/ui/form_declaration.h"

namespace kestrum {

class TfrmMain;

// The main window as data: its controls, menus and actions, and which
// handler each of their events runs.
const FormDecl& MainWindowDeclaration();
std::span<const EventDecl<TfrmMain>> MainWindowEvents();

// The look both menus of the main window share, and the profile menu's:
// the same, opening centred on its point.
const std::vector<PropertyValue>& MainWindowMenuLook();
const std::vector<PropertyValue>& ProfileMenuLook();

}  // namespace kestrum
