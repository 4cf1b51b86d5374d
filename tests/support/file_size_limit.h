#pragma once

#include <sys/resource.h>

namespace kestrum::test {

// A disk with `bytes` of room, for the programs started in this scope: they
// inherit the file-size limit (POSIX), so a write beyond it fails or, with
// SIGXFSZ at its default, ends the writer, as a full disk would stop it. This
// process writes no file meanwhile.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ScopedFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit old_{};
};

}  // namespace kestrum::test
