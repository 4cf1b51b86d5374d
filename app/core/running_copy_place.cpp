#include "app/core/running_copy_place.h"

#include <cstdio>

namespace kestrum {

std::uint64_t StableHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string RunningCopyName(std::string_view userAndSession) {
    std::string key(kMainWindowClassName);
    key += '\n';
    key += userAndSession;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(StableHash(key)));
    return std::string("kestrum-zude-ridaz-") + hex;
}

}  // namespace kestrum
