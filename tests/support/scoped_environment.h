#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace kestrum::test {

// Sets (or, with nullopt, removes) an environment variable for one scope and
// puts back what was there before, also when a test stops early.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name); old != nullptr) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnvironment() { Set(old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Set(const std::optional<std::string>& value) const {
#ifdef _WIN32
        // An empty value removes the variable on Windows.
        ::_putenv_s(name_, value ? value->c_str() : "");
#else
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
#endif
    }

    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace kestrum::test
