#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kestrum {

// The core keeps its texts and paths as 8-bit strings in UTF-8 (the file
// names' encoding here); the windows show them as QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace kestrum
