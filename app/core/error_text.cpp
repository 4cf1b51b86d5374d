#include "app/core/error_text.h"

namespace kestrum {

std::string UnhandledErrorText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

}  // namespace kestrum
