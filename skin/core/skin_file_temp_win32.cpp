#include <windows.h>

#include <algorithm>
#include <limits>

#include "skin/core/skin_file_temp.h"

namespace kestrum::skinfile {

namespace {

constexpr int kCreateAttempts = 4;

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// The largest piece one ReadFile or WriteFile call takes.
DWORD Piece(std::size_t left) {
    return static_cast<DWORD>(std::min<std::size_t>(left, std::numeric_limits<DWORD>::max()));
}

}  // namespace

std::string TemporaryFolder() {
    char folder[MAX_PATH + 1];
    const DWORD length = ::GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > MAX_PATH) {
        return ".\\";
    }
    std::string result(folder, length);
    if (result.back() != '\\') {
        result += '\\';
    }
    return result;
}

std::unique_ptr<TemporaryDataFile> TemporaryDataFile::Create() {
    const std::string folder = TemporaryFolder();
    // A clash of two new GUIDs is all but impossible; a few attempts cover it.
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        std::string path = folder + NewGuidText();
        // Shared with nobody while it exists; the user's temporary folder
        // already keeps other users out.
        const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return std::unique_ptr<TemporaryDataFile>(
                new TemporaryDataFile(std::move(path), reinterpret_cast<std::intptr_t>(file)));
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    return nullptr;
}

TemporaryDataFile::~TemporaryDataFile() {
    ::CloseHandle(Handle(handle_));
    ::DeleteFileA(path_.c_str());
}

bool TemporaryDataFile::Append(const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED at = At(size_ + done);
        DWORD written = 0;
        if (!::WriteFile(Handle(handle_), data + done, Piece(size - done), &written, &at) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    size_ += size;
    return true;
}

bool TemporaryDataFile::ReadAt(std::uint64_t offset, std::size_t size, char* out) const {
    if (!Fits(offset, size, size_)) {
        return false;
    }
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED at = At(offset + done);
        DWORD read = 0;
        if (!::ReadFile(Handle(handle_), out + done, Piece(size - done), &read, &at) || read == 0) {
            return false;
        }
        done += read;
    }
    return true;
}

}  // namespace kestrum::skinfile
