#include "profiles/core/output_name.h"

#include "platform/file_system.h"
#include "platform/path_rules.h"

namespace kestrum {

namespace {

std::size_t LastSeparator(std::string_view path) {
    return path.find_last_of(platform::kPathSeparators);
}

}  // namespace

std::string ExtractFileName(std::string_view path) {
    const std::size_t separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string ExtractFilePath(std::string_view path) {
    const std::size_t separator = LastSeparator(path);
    return separator == std::string_view::npos ? std::string{}
                                               : std::string(path.substr(0, separator + 1));
}

std::string IncludeTrailingSeparator(std::string_view folder) {
    // Only the folder separator itself counts: on Windows "D:" still gets its "\".
    std::string result(folder);
    if (result.empty() || result.back() != platform::kPreferredSeparator) {
        result.push_back(platform::kPreferredSeparator);
    }
    return result;
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    std::string result(path);
    std::string separatorsOrDot(platform::kPathSeparators);
    separatorsOrDot.push_back('.');
    const std::size_t last = result.find_last_of(separatorsOrDot);
    if (last != std::string::npos && result[last] == '.') {
        result.erase(last);
    }
    result += extension;
    return result;
}

std::string OutputFileFor(std::string_view inputFile, bool sameAsInput,
                          std::string_view outputFolder, std::string_view extension) {
    if (sameAsInput) {
        return ReplaceExtension(inputFile, extension);
    }
    return IncludeTrailingSeparator(outputFolder) +
           ReplaceExtension(ExtractFileName(inputFile), extension);
}

bool OutputIsInput(const std::string& inputFile, const std::string& outputFile) {
    return inputFile == outputFile || platform::SameExistingFile(inputFile, outputFile);
}

}  // namespace kestrum
