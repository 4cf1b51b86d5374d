#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <map>
#include <string>

namespace kestrum::bench {

// A client of an X server that sees a program's first window come up: when
// the window is mapped (what polling for a visible window finds) and when
// something is first drawn into it (the DAMAGE extension reports it).
class XWindowWatch {
public:
    using Clock = std::chrono::steady_clock;

    struct Shown {
        xcb_window_t window = 0;
        Clock::time_point mapped;
        Clock::time_point drawn;
    };

    // Connects to the display (":N"); throws when it cannot, or when the
    // server lacks DAMAGE.
    explicit XWindowWatch(const std::string& display);
    ~XWindowWatch();
    XWindowWatch(const XWindowWatch&) = delete;
    XWindowWatch& operator=(const XWindowWatch&) = delete;

    // Waits for the next top-level window to be mapped and drawn into; false
    // when that did not happen within `timeout`.
    bool WaitForWindow(std::chrono::milliseconds timeout, Shown& shown);
    // Asks the window to close, as a window manager's close button does.
    void Close(xcb_window_t window);

private:
    bool NextEvent(Clock::time_point deadline, xcb_generic_event_t*& event);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageNotify_ = 0;
    xcb_atom_t protocols_ = 0;
    xcb_atom_t deleteWindow_ = 0;
    // The damage object of every top-level window made since the last wait.
    std::map<xcb_window_t, std::uint32_t> damages_;
};

}  // namespace kestrum::bench
