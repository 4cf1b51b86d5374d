#include "convert/core/partial_output.h"

#include <cstdio>
#include <random>

#include "platform/file_system.h"
#include "profiles/core/output_name.h"

namespace kestrum {

namespace {

// Names are taken by creating the file, so a clash only costs another try.
constexpr int kAttempts = 64;

std::string RandomTag() {
    thread_local std::mt19937 random(std::random_device{}());
    char tag[8];
    std::snprintf(tag, sizeof tag, "%04x", static_cast<unsigned>(random() & 0xFFFFU));
    return tag;
}

}  // namespace

std::string PartialOutputName(std::string_view output, std::string_view tag, bool withName) {
    const std::string name = ExtractFileName(output);
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        dot = name.size();
    }
    return ExtractFilePath(output) + (withName ? name.substr(0, dot) : std::string()) +
           ".partial-" + std::string(tag) + name.substr(dot);
}

PartialOutput::~PartialOutput() {
    Discard();
}

int PartialOutput::Create(const std::string& output, bool replace) {
    Discard();
    target_ = platform::LinkTarget(output);
    replace_ = replace;
    bool withName = true;
    int error = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        path_ = PartialOutputName(target_, RandomTag(), withName);
        error = platform::CreateNewFile(path_, target_);
        if (platform::IsNameTooLong(error) && withName) {
            withName = false;
        } else if (!platform::IsNameTaken(error)) {
            break;
        }
    }
    held_ = error == 0;
    return error;
}

int PartialOutput::Commit() {
    const int error = platform::RenameWholeFile(path_, target_, replace_);
    if (error != 0) {
        Discard();
    }
    held_ = false;
    return error;
}

void PartialOutput::Discard() {
    if (held_) {
        platform::RemoveFile(path_);
        held_ = false;
    }
}

}  // namespace kestrum
