#pragma once

namespace kestrum {

// Gives the skinned buttons and check boxes of a window the keys a dialog
// hands to its buttons before the focused control sees them: Enter clicks
// the active default TlumButton, Escape a Cancel one (both only without
// Shift, Ctrl or Alt), and a caption's accelerator ("&OK") clicks its control
// when Alt is held or a skinned button (not a check box) has the focus. Installed
// once for the application by the first skinned button or check box.
void InstallDialogKeys();

}  // namespace kestrum
