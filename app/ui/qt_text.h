#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kestrum {

// The core keeps its texts and paths as 8-bit strings in the system's own
// encoding: UTF-8 here, the ANSI code page on Windows (Qt's "local 8-bit" on
// both); the windows show them as QString. Bytes that read as no character
// come back as U+FFFD: text_bytes.h keeps the original bytes where that
// matters.
inline QString ToQString(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace kestrum
