// Start-up as the user sees it: the time from exec until the X server maps the program's first
// top-level window and until the program first draws into it, and the program's peak memory, for a
// bare Qt program and for Calvorin.
//
// usage: mapped_bench BARE CALVORIN [RUNS]    (DISPLAY names an X server without a window manager)
//
// The bench listens on the root window for SubstructureNotify. Without a window manager a
// top-level MapWindow request is carried out at once and the server sends MapNotify right then,
// so the time read on receiving it is the moment the window is on screen, give or take one
// wake-up of this process, which is the same for both programs. Polling with xwininfo or xdotool
// would add its own round trips and sleeps. A damage object on the root window reports the first
// drawing on the screen after that: the window's first paint.
//
// Each program runs in a fresh working folder whose autoexec.cv1 says nosplash, so Calvorin shows
// only its main window, and is killed once it has painted; its peak memory is the maximum resident
// set wait4 reports for it, which covers start-up and first paint. Runs alternate between the two
// programs after one warm-up each; the medians are printed, the mapping time ratio last.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double mappedMs = 0;  // exec to mapped
    double paintedMs = 0; // exec to first drawing
    double cpuMs = 0;     // user and system time, steadier than the clock on a busy machine
    long peakKb = 0;      // maximum resident set
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "mapped_bench: %s\n", what.c_str());
    std::exit(2);
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Screen {
    xcb_connection_t* x;
    xcb_window_t root;
    uint8_t damageEvent; // the first event code of the damage extension
};

// Starts the program, notes when its first top-level window is mapped and first drawn, then ends it.
Run runOnce(const Screen& s, const char* program) {
    // A fresh damage object, so that only drawing from now on counts.
    const xcb_damage_damage_t damage = xcb_generate_id(s.x);
    xcb_damage_create(s.x, damage, s.root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    // A round trip: the damage object is in place before the program starts.
    free(xcb_get_input_focus_reply(s.x, xcb_get_input_focus(s.x), nullptr));
    while (xcb_generic_event_t* e = xcb_poll_for_event(s.x))
        std::free(e);

    char* argv[] = {const_cast<char*>(program), nullptr};
    const Clock::time_point start = Clock::now();
    pid_t pid;
    if (int err = posix_spawn(&pid, program, nullptr, nullptr, argv, environ))
        fail(std::string("cannot start ") + program + ": " + std::strerror(err));

    Run run;
    bool mapped = false, painted = false;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    pollfd fd{xcb_get_file_descriptor(s.x), POLLIN, 0};
    int status;
    rusage usage;
    while (!painted) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(s.x)) {
            const uint8_t type = e->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && !mapped &&
                !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect) {
                run.mappedMs = msSince(start);
                mapped = true;
            } else if (type == s.damageEvent + XCB_DAMAGE_NOTIFY && mapped && !painted) {
                run.paintedMs = msSince(start);
                painted = true;
            }
            std::free(e);
        }
        if (xcb_connection_has_error(s.x)) fail("lost the X server");
        if (wait4(pid, &status, WNOHANG, &usage) == pid)
            fail(std::string(program) + " ended before its window was " + (mapped ? "drawn" : "mapped"));
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            fail(std::string(program) + (mapped ? " drew nothing" : " mapped no window"));
        }
        // Wakes at once on an X event; the short timeout only serves to notice the child's end.
        if (!painted) poll(&fd, 1, 1);
    }
    kill(pid, SIGKILL);
    wait4(pid, &status, 0, &usage);
    run.peakKb = usage.ru_maxrss;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    xcb_damage_destroy(s.x, damage);
    return run;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// A working folder with the start-up script, also Qt's runtime folder; removed again at exit.
std::string scriptFolder() {
    static char folder[] = "/tmp/mapped_bench.XXXXXX";
    if (!mkdtemp(folder)) fail("cannot make a working folder");
    const std::string script = std::string(folder) + "/autoexec.cv1";
    FILE* f = std::fopen(script.c_str(), "wb");
    if (!f) fail("cannot write " + script);
    std::fputs("nosplash\r\n", f);
    std::fclose(f);
    std::atexit([] { std::system((std::string("rm -rf ") + folder).c_str()); });
    return folder;
}

struct Medians {
    double mapped, painted, cpu, peakMb;
};

Medians report(const char* name, const std::vector<Run>& runs) {
    std::vector<double> mapped, painted, cpu, peaks;
    for (const Run& r : runs) {
        mapped.push_back(r.mappedMs);
        painted.push_back(r.paintedMs);
        cpu.push_back(r.cpuMs);
        peaks.push_back(r.peakKb / 1024.0);
    }
    const Medians m{median(mapped), median(painted), median(cpu), median(peaks)};
    std::printf("%-9s mapped %6.2f ms (min %6.2f)  painted %6.2f ms  CPU %6.2f ms  peak memory %5.1f MB\n", name,
                m.mapped, *std::min_element(mapped.begin(), mapped.end()), m.painted, m.cpu, m.peakMb);
    return m;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BARE CALVORIN [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
    char* programs[2];
    for (int i = 0; i < 2; ++i)
        if (!(programs[i] = realpath(argv[i + 1], nullptr))) fail(std::string("no program ") + argv[i + 1]);

    const std::string folder = scriptFolder();
    if (chdir(folder.c_str()) != 0) fail("cannot enter the working folder");
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 0); // Qt wants one; mkdtemp made it private

    Screen s;
    s.x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(s.x)) fail("cannot reach the X server named by DISPLAY");
    s.root = xcb_setup_roots_iterator(xcb_get_setup(s.x)).data->root;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(s.x, &xcb_damage_id);
    if (!ext || !ext->present) fail("the X server has no damage extension");
    s.damageEvent = ext->first_event;
    free(xcb_damage_query_version_reply(s.x, xcb_damage_query_version(s.x, 1, 1), nullptr));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t* error = xcb_request_check(
            s.x, xcb_change_window_attributes_checked(s.x, s.root, XCB_CW_EVENT_MASK, &mask))) {
        free(error);
        fail("cannot watch the root window");
    }

    std::vector<Run> results[2];
    for (char* program : programs)
        runOnce(s, program); // warm-up: fonts and libraries into the page cache
    for (int r = 0; r < runs; ++r)
        for (int i = 0; i < 2; ++i)
            results[i].push_back(runOnce(s, programs[i]));

    const Medians bare = report("bare", results[0]);
    const Medians calvorin = report("calvorin", results[1]);
    std::printf("peak memory ratio %.2f\n", calvorin.peakMb / bare.peakMb);
    std::printf("first paint time ratio %.2f\n", calvorin.painted / bare.painted);
    std::printf("time ratio %.2f\n", calvorin.mapped / bare.mapped);
    xcb_disconnect(s.x);
    return 0;
}
