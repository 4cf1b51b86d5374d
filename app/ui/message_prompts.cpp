#include "app/ui/message_prompts.h"

#include "app/ui/dialog_service.h"
#include "app/ui/qt_text.h"

namespace kestrum {

bool MessageBoxPrompts::AskYesNo(Question, std::string_view text) {
    return kestrum::AskYesNo(nullptr, ToQString(text));
}

void MessageBoxPrompts::ShowInformation(std::string_view text) {
    kestrum::ShowInformation(nullptr, ToQString(text));
}

void MessageBoxPrompts::ShowError(std::string_view text) {
    kestrum::ShowError(nullptr, ToQString(text));
}

}  // namespace kestrum
