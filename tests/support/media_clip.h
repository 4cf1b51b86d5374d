#pragma once

#include <string>

namespace kestrum::test {

// Makes a clip with Debian's ffmpeg: a test picture and a sine tone of
// `seconds` seconds, MPEG-4 video and PCM audio in an AVI file.
void MakeClip(const std::string& path, int seconds);

// What ffprobe says of a media file: "format_name=...\nduration=...\n".
std::string ProbeFormat(const std::string& path);

}  // namespace kestrum::test
