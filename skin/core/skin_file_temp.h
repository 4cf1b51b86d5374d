#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "skin/core/skin_file_sk2.h"

namespace kestrum::skinfile {

// A newly generated globally unique identifier in its text form:
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", random (version 4), upper case.
std::string NewGuidText();

// The system's folder for temporary files, with a trailing separator.
std::string TemporaryFolder();

// The file a skin's data entry is extracted to: named by a new GUID in the
// temporary folder, created exclusively, readable and writable by the user
// only, and removed when the object goes, whatever happened in between.
class TemporaryDataFile : public Sk2Input {
public:
    // Null when no such file can be created.
    static std::unique_ptr<TemporaryDataFile> Create();
    ~TemporaryDataFile() override;
    TemporaryDataFile(const TemporaryDataFile&) = delete;
    TemporaryDataFile& operator=(const TemporaryDataFile&) = delete;

    const std::string& Path() const { return path_; }
    bool Append(const char* data, std::size_t size);

    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t offset, std::size_t size, char* out) const override;

private:
    TemporaryDataFile(std::string path, std::intptr_t handle)
        : path_(std::move(path)), handle_(handle) {}

    std::string path_;
    std::intptr_t handle_;
    std::uint64_t size_ = 0;
};

}  // namespace kestrum::skinfile
