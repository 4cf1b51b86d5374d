#pragma once

#include <unistd.h>
#include <string>
#include <vector>

extern char** environ;

// What posix_spawn takes, for the programs the tests and the benchmarks start:
// this process's environment with some entries changed, and the
// null-terminated pointer lists of argument and environment strings.
namespace kestrum::test {

// This process's environment with `extra` ("NAME=value") entries replacing
// or adding to it.
inline std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    for (const std::string& added : extra) {
        const std::string name = added.substr(0, added.find('=') + 1);
        std::erase_if(environment, [&](const std::string& e) { return e.starts_with(name); });
        environment.push_back(added);
    }
    return environment;
}

// Pointers into `strings`, which must outlive them, ending with a null one.
inline std::vector<char*> SpawnPointers(const std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (const std::string& s : strings) {
        pointers.push_back(const_cast<char*>(s.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace kestrum::test
