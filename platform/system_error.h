#pragma once

namespace kestrum::platform {

// The calling thread's last system error code: errno on POSIX, GetLastError()
// on Windows. Our platform functions leave it set when they report a failure.
int LastSystemError();
void SetLastSystemError(int code);

}  // namespace kestrum::platform
