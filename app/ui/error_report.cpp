#include "app/ui/error_report.h"

#include <exception>

#include "app/core/error_text.h"
#include "app/ui/dialog_service.h"
#include "app/ui/qt_text.h"

namespace kestrum {

void RunGuarded(QWidget* owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(owner, ToQString(UnhandledErrorText(error.what())));
    }
}

}  // namespace kestrum
