#include "bench/x_window_watch.h"

#include <poll.h>
#include <xcb/damage.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace kestrum::bench {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

XWindowWatch::XWindowWatch(const std::string& display) {
    int screenNumber = 0;
    connection_ = xcb_connect(display.c_str(), &screenNumber);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot connect to the X server " + display);
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    root_ = screens.data->root;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    damageNotify_ = static_cast<std::uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
    std::free(xcb_damage_query_version_reply(connection_,
                                             xcb_damage_query_version(connection_, 1, 1), nullptr));
    // Creation and mapping of every top-level window.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    protocols_ = Atom(connection_, "WM_PROTOCOLS");
    deleteWindow_ = Atom(connection_, "WM_DELETE_WINDOW");
    xcb_flush(connection_);
}

XWindowWatch::~XWindowWatch() {
    xcb_disconnect(connection_);
}

bool XWindowWatch::NextEvent(Clock::time_point deadline, xcb_generic_event_t*& event) {
    while ((event = xcb_poll_for_event(connection_)) == nullptr) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || xcb_connection_has_error(connection_) != 0) {
            return false;
        }
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&fd, 1, static_cast<int>(left));
    }
    return true;
}

bool XWindowWatch::WaitForWindow(std::chrono::milliseconds timeout, Shown& shown) {
    const Clock::time_point deadline = Clock::now() + timeout;
    shown = {};
    for (const auto& [window, damage] : damages_) {
        xcb_damage_destroy(connection_, damage);
    }
    damages_.clear();
    xcb_generic_event_t* event = nullptr;
    while (NextEvent(deadline, event)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watched from its creation: the first drawing may follow the mapping at once.
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            const std::uint32_t damage = xcb_generate_id(connection_);
            xcb_damage_create(connection_, damage, created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            damages_[created->window] = damage;
            xcb_flush(connection_);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (shown.window == 0 && mapped->override_redirect == 0 &&
                damages_.contains(mapped->window)) {
                shown.window = mapped->window;
                shown.mapped = Clock::now();
            }
        } else if (type == damageNotify_) {
            const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            if (shown.window != 0 && damaged->drawable == shown.window) {
                shown.drawn = Clock::now();
                return true;
            }
        } else if (type == XCB_DESTROY_NOTIFY) {
            damages_.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
        }
    }
    return false;
}

void XWindowWatch::Close(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols_;
    message.data.data32[0] = deleteWindow_;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

}  // namespace kestrum::bench
