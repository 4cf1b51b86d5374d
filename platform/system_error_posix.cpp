#include "platform/system_error.h"

#include <cerrno>

namespace kestrum::platform {

int LastSystemError() {
    return errno;
}

void SetLastSystemError(int code) {
    errno = code;
}

}  // namespace kestrum::platform
