#include <windows.h>

#include "platform/pipe.h"

namespace kestrum::platform {

static_assert(sizeof(SECURITY_ATTRIBUTES) == 12 || sizeof(void*) == 8,
              "the 32-bit security attributes record is 12 bytes long");

bool CreatePipe(PipeEnds& ends) {
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = nullptr;
    attributes.bInheritHandle = TRUE;
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &attributes, 0)) {
        return false;
    }
    ends.read = read;
    ends.write = write;
    return true;
}

bool HandOverChildEnd(NativeHandle& childEnd, NativeHandle ownEnd) {
    const HANDLE self = ::GetCurrentProcess();
    HANDLE duplicate = nullptr;
    // The source is closed by the duplication whether it succeeds or not.
    const BOOL duplicated = ::DuplicateHandle(self, childEnd, self, &duplicate, 0, TRUE,
                                              DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE);
    childEnd = duplicated ? duplicate : kNoHandle;
    if (!duplicated) {
        return false;
    }
    // Process creation hands a child every inheritable handle: with our end
    // among them, the child would hold the other end of its own pipe, and its
    // standard input would never reach its end.
    return ::SetHandleInformation(ownEnd, HANDLE_FLAG_INHERIT, 0) != 0;
}

bool BytesInPipe(NativeHandle readEnd, std::uint32_t& count) {
    DWORD waiting = 0;
    if (!::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &waiting, nullptr)) {
        count = 0;
        return false;
    }
    count = waiting;
    return true;
}

bool ReadPipe(NativeHandle readEnd, char* buffer, std::uint32_t count, std::uint32_t& done) {
    DWORD got = 0;
    const BOOL read = ::ReadFile(readEnd, buffer, count, &got, nullptr);
    done = read ? got : 0;
    return read != 0;
}

}  // namespace kestrum::platform
