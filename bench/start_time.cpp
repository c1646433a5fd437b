// vestrix-start-time PROGRAM [RUNS]: the time from launching the program to its first window on
// the screen, painted, measured from outside the process as a user would see it. Needs an X
// server without a compositor (xvfb-run -a); prints each run and the minimum, median and maximum.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class Display {
public:
    Display() : m_connection(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(m_connection)) return;
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        // Every window mapped on the screen is reported to us.
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }
    bool ok() const { return m_screen != nullptr; }

    /** The next top-level window mapped, or 0 after timeoutMs. */
    xcb_window_t waitForMap(double timeoutMs) {
        const auto start = Clock::now();
        while (millisecondsSince(start) < timeoutMs) {
            xcb_generic_event_t* event = xcb_poll_for_event(m_connection);
            if (!event) {
                std::this_thread::sleep_for(std::chrono::microseconds(100));
                continue;
            }
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window =
                mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
            std::free(event);
            if (mapped) return window;
        }
        return 0;
    }

    /** The screen position of the middle of window. */
    void centreOf(xcb_window_t window, int& x, int& y) {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, m_screen->root, 0, 0),
            nullptr);
        x = (origin ? origin->dst_x : 0) + (geometry ? geometry->width / 2 : 0);
        y = (origin ? origin->dst_y : 0) + (geometry ? geometry->height / 2 : 0);
        std::free(geometry);
        std::free(origin);
    }

    std::uint32_t pixel(int x, int y) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_screen->root,
                          static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 1, 1, ~0u),
            nullptr);
        std::uint32_t value = 0;
        if (image) {
            std::memcpy(&value, xcb_get_image_data(image),
                        std::min<std::size_t>(4, xcb_get_image_data_length(image)));
            std::free(image);
        }
        return value & 0xFFFFFF;
    }

    int width() const { return m_screen->width_in_pixels; }
    int height() const { return m_screen->height_in_pixels; }

private:
    xcb_connection_t* m_connection;
    xcb_screen_t* m_screen = nullptr;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: xvfb-run -a %s PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    Display display;
    if (!display.ok()) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    std::vector<double> painted;
    for (int run = 0; run < runs; ++run) {
        // The program's first window is centred; before it exists the screen there is bare.
        const std::uint32_t bare = display.pixel(display.width() / 2, display.height() / 2);
        const auto launched = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execv(argv[1], argv + 1 + (argc > 2 ? 1 : 0));
            _exit(127);
        }
        const xcb_window_t window = display.waitForMap(5000);
        const double mappedMs = millisecondsSince(launched);
        double paintedMs = -1;
        if (window) {
            int x = 0, y = 0;
            display.centreOf(window, x, y);
            while (millisecondsSince(launched) < 5000) {
                if (display.pixel(x, y) != bare) {
                    paintedMs = millisecondsSince(launched);
                    break;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        if (paintedMs < 0) {
            std::fprintf(stderr, "run %d: no window painted within 5 s\n", run + 1);
            return 1;
        }
        std::printf("run %2d: mapped %6.1f ms, painted %6.1f ms\n", run + 1, mappedMs, paintedMs);
        painted.push_back(paintedMs);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    std::printf("launch to first window painted: min %.1f ms, median %.1f ms, max %.1f ms\n",
                *std::min_element(painted.begin(), painted.end()), median(painted),
                *std::max_element(painted.begin(), painted.end()));
    return 0;
}
