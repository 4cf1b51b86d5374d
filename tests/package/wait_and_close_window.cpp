// wait-and-close-window TITLE SECONDS: waits on the X display for a top-level
// window with that title to be shown and painted, prints its size, then asks
// it to close as a window manager's close button does (WM_DELETE_WINDOW), and
// waits for it to go. Exit status 0 when all of that happened in time.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// A window may go between two requests about it; such errors are expected and
// must not end the program as Xlib's default handler would.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

std::string TitleOf(Display* display, Window window) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) {
        return {};
    }
    std::string title(name);
    XFree(name);
    return title;
}

// Without a window manager the program's windows are the root's own children.
Window FindShownWindow(Display* display, const std::string& title) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    for (unsigned i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && TitleOf(display, children[i]) == title) {
            found = children[i];
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

// A painted window has more than a background: count its distinct colours.
std::size_t ColoursOf(Display* display, Window window, int width, int height) {
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 0;
    }
    std::set<unsigned long> colours;
    for (int y = 0; y < height; y += 2) {
        for (int x = 0; x < width; x += 2) {
            colours.insert(XGetPixel(image, x, y));
        }
    }
    XDestroyImage(image);
    return colours.size();
}

void AskToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

bool Expired(Clock::time_point deadline) {
    if (Clock::now() >= deadline) {
        return true;
    }
    usleep(100 * 1000);
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wait-and-close-window TITLE SECONDS\n");
        return 2;
    }
    const std::string title = argv[1];
    const auto deadline = Clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wait-and-close-window: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreError);
    constexpr std::size_t kPaintedColours = 8;
    Window window = 0;
    XWindowAttributes attributes{};
    for (;;) {
        window = FindShownWindow(display, title);
        if (window != 0 && XGetWindowAttributes(display, window, &attributes) != 0 &&
            ColoursOf(display, window, attributes.width, attributes.height) >= kPaintedColours) {
            break;
        }
        if (Expired(deadline)) {
            std::fprintf(stderr, "wait-and-close-window: no painted window \"%s\"\n",
                         title.c_str());
            return 1;
        }
    }
    std::printf("shown: \"%s\" %dx%d\n", title.c_str(), attributes.width, attributes.height);
    std::fflush(stdout);
    AskToClose(display, window);
    while (FindShownWindow(display, title) != 0) {
        if (Expired(deadline)) {
            std::fprintf(stderr, "wait-and-close-window: \"%s\" is still open\n", title.c_str());
            return 1;
        }
    }
    XCloseDisplay(display);
    return 0;
}
