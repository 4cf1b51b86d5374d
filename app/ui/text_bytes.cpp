#include "app/ui/text_bytes.h"

#include <QLineEdit>
#include <QStringList>
#include <filesystem>
#include <optional>

#include "app/ui/qt_text.h"
#include "skin/ui/flat_panel.h"

namespace kestrum {
namespace {

// Where a control keeps the bytes it was last given.
constexpr char kShownBytes[] = "kestrumShownBytes";

void Keep(QObject& control, std::string_view bytes) {
    control.setProperty(kShownBytes,
                        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string Kept(const QObject& control, const QString& shown) {
    const QByteArray kept = control.property(kShownBytes).toByteArray();
    return BytesOf(shown,
                   std::string_view(kept.constData(), static_cast<std::size_t>(kept.size())));
}

// The name of the one entry of `folder` that reads as `name`.
std::optional<std::string> EntryReadingAs(const std::string& folder, const QString& name) {
    std::optional<std::string> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string entryName = entry->path().filename().string();
        if (ToQString(entryName) == name) {
            if (found) {
                return std::nullopt;  // two names read the same: neither is sure
            }
            found = entryName;
        }
    }
    return found;
}

}  // namespace

std::string BytesOf(const QString& shown, std::string_view original) {
    if (shown == ToQString(original)) {
        return std::string(original);
    }
    return ToStdString(shown);
}

void SetTextBytes(QLineEdit& box, std::string_view bytes) {
    Keep(box, bytes);
    box.setText(ToQString(bytes));
}

std::string TextBytes(const QLineEdit& box) {
    return Kept(box, box.text());
}

void SetCaptionBytes(TFlatPanel& panel, std::string_view bytes) {
    Keep(panel, bytes);
    panel.SetCaption(ToQString(bytes));
}

std::string CaptionBytes(const TFlatPanel& panel) {
    return Kept(panel, panel.Caption());
}

std::string ChosenPath(const QString& chosen) {
    if (!chosen.contains(QChar::ReplacementCharacter)) {
        return ToStdString(chosen);
    }
    const QStringList parts = chosen.split('/');
    std::string path = ToStdString(parts.first());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        std::optional<std::string> name;
        if (parts[i].contains(QChar::ReplacementCharacter)) {
            name = EntryReadingAs(path.empty() ? "/" : path, parts[i]);
        }
        path += '/';
        path += name ? *name : ToStdString(parts[i]);
    }
    return path;
}

}  // namespace kestrum
