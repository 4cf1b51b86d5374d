#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// The file name part of a path: what follows its last path separator.
std::string ExtractFileName(std::string_view path);

// The folder part of a path, with its trailing separator (empty when none).
std::string ExtractFilePath(std::string_view path);

// The folder with a separator appended unless it already ends with one.
std::string IncludeTrailingSeparator(std::string_view folder);

// Drops the last extension of the name (a "." after the last separator, and
// everything after it) and appends `extension`, which brings its own dot.
// Dots in folder names never count; an empty extension just drops it.
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// Where one input's output goes: beside the input when sameAsInput is set,
// otherwise in the output folder, under the input's file name; either way
// with the profile extension.
std::string OutputFileFor(std::string_view inputFile, bool sameAsInput,
                          std::string_view outputFolder, std::string_view extension);

// True when the output would overwrite the file the encoder reads: the same
// text, or the same existing file under another spelling.
bool OutputIsInput(const std::string& inputFile, const std::string& outputFile);

}  // namespace kestrum
