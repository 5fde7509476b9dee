// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time of a program as its user meets it, measured from outside:
// from starting the process until its window titled TITLE is mapped on the
// X display, and until it is drawn and its event loop idle. The program is
// pinged after the mapping with the _NET_WM_PING a window manager sends to
// see whether a program responds; each answer shows its event loop has
// handled everything before the ping. The window's pixels are read after
// each answer until they show more than a blank background, and the answer
// to the ping sent after that marks the program idle: drawn, and waiting
// for the user. (This errs late by a round trip or two, well under 1 ms.)
//
//   startup_time [-n RUNS] [-t TITLE] [-b BASELINE] PROGRAM [ARGS...]
//
// With -b, the program BASELINE (no arguments; a window with the same
// title) is measured too, its runs taking turns with the program's, so
// that whatever else the machine is doing weighs on both alike; the order
// within each pair alternates too. The program's median time to idle is
// then given as a multiple of the baseline's, and the quartiles of the
// pairs' own ratios show its spread.
//
// Needs a display (run it under xvfb-run) and no window manager, so that
// the pings come from here alone. Prints one line per run and a summary:
// the median, the quartiles and the extremes, in milliseconds of wall-clock
// time, and the CPU time (user + system) the program used until it was
// stopped right after that answer.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Run {
    double mapped = 0, idle = 0, cpu = 0;
    bool drawn = false;
};

class XDisplay {
public:
    XDisplay()
        : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display)
            return;
        // A window of a program just stopped may be gone by the time a
        // request about it arrives; that is no reason to stop measuring.
        XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
        m_root = DefaultRootWindow(m_display);
        XSelectInput(m_display, m_root, SubstructureNotifyMask | StructureNotifyMask);
        m_protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
        m_ping = XInternAtom(m_display, "_NET_WM_PING", False);
        XSync(m_display, False);
    }
    ~XDisplay()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    bool open() const { return m_display; }

    // The next event, or nothing once the deadline has passed.
    std::optional<XEvent> next(Clock::time_point deadline)
    {
        while (!XPending(m_display)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return std::nullopt;
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
        XEvent event;
        XNextEvent(m_display, &event);
        return event;
    }

    bool titled(Window window, const std::string& title)
    {
        char* name = nullptr;
        const bool same = XFetchName(m_display, window, &name) && name && title == name;
        XFree(name);
        return same;
    }

    void ping(Window window, long serial)
    {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = m_protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(m_ping);
        event.xclient.data.l[1] = serial; // stands in for the timestamp
        event.xclient.data.l[2] = long(window);
        XSendEvent(m_display, window, False, NoEventMask, &event);
        XFlush(m_display);
    }

    // Whether the window shows more than a blank background: its first
    // paint has reached the screen.
    bool drawn(Window window)
    {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(m_display, window, &attributes))
            return false;
        XImage* image = XGetImage(m_display, window, 0, 0, unsigned(attributes.width), unsigned(attributes.height),
                                  AllPlanes, ZPixmap);
        if (!image)
            return false;
        std::vector<unsigned long> colours;
        for (int y = 0; y < attributes.height && colours.size() < 3; y += 4) {
            for (int x = 0; x < attributes.width && colours.size() < 3; x += 4) {
                const unsigned long pixel = XGetPixel(image, x, y);
                if (std::find(colours.begin(), colours.end(), pixel) == colours.end())
                    colours.push_back(pixel);
            }
        }
        XDestroyImage(image);
        return colours.size() >= 3;
    }

    bool isAnswer(const XEvent& event, long serial) const
    {
        return event.type == ClientMessage && event.xclient.window == m_root
            && event.xclient.message_type == m_protocols && event.xclient.data.l[0] == long(m_ping)
            && event.xclient.data.l[1] == serial;
    }

private:
    ::Display* m_display;
    Window m_root = 0;
    Atom m_protocols = 0, m_ping = 0;
};

std::optional<Run> measure(XDisplay& display, char** program, const std::string& title)
{
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    const auto start = Clock::now();
    // The program's own output would only mingle with the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program[0], &quiet, nullptr, program, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return std::nullopt;

    Run run;
    Window window = 0;
    long serial = 0;
    bool idle = false;
    while (!idle) {
        const auto event = display.next(deadline);
        if (!event)
            break;
        if (!window && event->type == MapNotify && !event->xmap.override_redirect
            && display.titled(event->xmap.window, title)) {
            run.mapped = millisecondsSince(start);
            window = event->xmap.window;
            display.ping(window, ++serial);
        } else if (window && display.isAnswer(*event, serial)) {
            // Once the window is seen drawn, the next answer marks the loop idle.
            idle = run.drawn;
            if (idle) {
                run.idle = millisecondsSince(start);
            } else {
                run.drawn = display.drawn(window);
                display.ping(window, ++serial);
            }
        }
    }

    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    run.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    if (!idle)
        return std::nullopt;
    return run;
}

double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const double at = q * double(values.size() - 1);
    const auto below = size_t(at);
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (at - double(below)) * (values[above] - values[below]);
}

void summarise(const char* what, const std::vector<double>& values)
{
    std::printf("%-34s median %7.1f  quartiles %7.1f - %7.1f  range %7.1f - %7.1f ms\n", what, quantile(values, 0.5),
                quantile(values, 0.25), quantile(values, 0.75), quantile(values, 0.0), quantile(values, 1.0));
}

const char* baseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

struct Series {
    const char* name;
    char** program;
    std::vector<double> mapped, idle, cpu;

    void add(int number, const Run& run)
    {
        std::printf("%s run %2d: mapped %7.1f ms, idle %7.1f ms, CPU %7.1f ms\n", name, number, run.mapped, run.idle,
                    run.cpu);
        mapped.push_back(run.mapped);
        idle.push_back(run.idle);
        cpu.push_back(run.cpu);
    }

    void summarise() const
    {
        std::printf("%s: %zu runs\n", name, idle.size());
        ::summarise("window mapped (wall clock)", mapped);
        ::summarise("event loop idle (wall clock)", idle);
        ::summarise("CPU time until idle", cpu);
    }
};

} // namespace

int main(int argc, char** argv)
{
    int runs = 30;
    std::string title = "Tillora";
    char* baselineArgs[2] = {nullptr, nullptr};
    char** baseline = nullptr;
    int opt;
    while ((opt = getopt(argc, argv, "+n:t:b:")) != -1) {
        if (opt == 'n') {
            runs = std::max(1, std::atoi(optarg));
        } else if (opt == 't') {
            title = optarg;
        } else if (opt == 'b') {
            baselineArgs[0] = optarg;
            baseline = baselineArgs;
        } else {
            return 2;
        }
    }
    if (optind >= argc) {
        std::fprintf(stderr, "usage: startup_time [-n RUNS] [-t TITLE] [-b BASELINE] PROGRAM [ARGS...]\n");
        return 2;
    }
    XDisplay display;
    if (!display.open()) {
        std::fprintf(stderr, "startup_time: no display; run it under xvfb-run\n");
        return 1;
    }

    std::vector<Series> series{{baseName(argv[optind]), argv + optind, {}, {}, {}}};
    if (baseline)
        series.push_back({baseName(baseline[0]), baseline, {}, {}, {}});

    // One run of each first, unmeasured, so that every measured run finds
    // the libraries and fonts in the page cache, as a second start would.
    for (const Series& s : series) {
        if (!measure(display, s.program, title)) {
            std::fprintf(stderr, "startup_time: %s: no window titled \"%s\" answered\n", s.name, title.c_str());
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (size_t k = 0; k < series.size(); ++k) {
            // Alternate which goes first, lest going first or second itself matter.
            Series& s = series[(k + size_t(i)) % series.size()];
            const auto run = measure(display, s.program, title);
            if (!run) {
                std::fprintf(stderr, "startup_time: %s run %d failed\n", s.name, i + 1);
                return 1;
            }
            s.add(i + 1, *run);
        }
    }
    for (const Series& s : series)
        s.summarise();
    if (baseline) {
        const auto ratio = [&](const std::vector<double> Series::*values) {
            return quantile(series[0].*values, 0.5) / quantile(series[1].*values, 0.5);
        };
        std::printf("%s / %s, medians: event loop idle %.2fx, CPU time %.2fx\n", series[0].name, series[1].name,
                    ratio(&Series::idle), ratio(&Series::cpu));
        // The two runs of a pair met much the same machine; the spread of
        // the pairs' ratios shows how firm the ratio of the medians is.
        std::vector<double> pairs;
        for (size_t i = 0; i < series[0].idle.size(); ++i)
            pairs.push_back(series[0].idle[i] / series[1].idle[i]);
        std::printf("event loop idle, pair by pair: median %.2fx, quartiles %.2fx - %.2fx\n", quantile(pairs, 0.5),
                    quantile(pairs, 0.25), quantile(pairs, 0.75));
    }
    return 0;
}
