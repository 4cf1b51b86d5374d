#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace kestrum {

class TFlatPanel;

// The core's texts (paths, the profile caption) are bytes in the system's
// encoding, and some bytes read as no character: a Latin-1 file name among
// UTF-8 ones, a settings file written in another code page. A control that
// shows such bytes keeps them, and hands them back unchanged for as long as
// its text still reads as they do; only a text the user changed is encoded
// anew.
void SetTextBytes(QLineEdit& box, std::string_view bytes);
std::string TextBytes(const QLineEdit& box);
void SetCaptionBytes(TFlatPanel& panel, std::string_view bytes);
std::string CaptionBytes(const TFlatPanel& panel);

// `original` while `shown` still reads as it does, else `shown` encoded.
std::string BytesOf(const QString& shown, std::string_view original);

// The bytes of a path a file or folder chooser returned. The chooser reads
// names through the same decoding, so an undecodable byte reaches us as
// U+FFFD; each such part of the path is taken from the one entry of its
// folder that reads the same, when there is exactly one.
std::string ChosenPath(const QString& chosen);

}  // namespace kestrum
