#pragma once

namespace kestrum {

// The results a modal window ends with (QDialog::exec returns them). A
// window closed by its close box or by Escape without a Cancel button ends
// with mrNone.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
};

}  // namespace kestrum
