#pragma once

#include <utility>

namespace kestrum {

// Where the program finds a service: its own, unless a test put one of its
// own in its place.
template <class Service>
class ServiceSlot {
public:
    Service& Get(Service& standard) const {
        return replacement_ != nullptr ? *replacement_ : standard;
    }
    // Null puts the program's own back; returns the one replaced.
    Service* Replace(Service* service) { return std::exchange(replacement_, service); }

private:
    Service* replacement_ = nullptr;
};

}  // namespace kestrum
