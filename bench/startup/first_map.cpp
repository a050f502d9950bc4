// first_map: starts a program on the X display, waits until it maps its first top-level
// window and prints the milliseconds from the start to that moment, the processor time
// the program had used by then (all its threads), and its resident set size a moment
// later; then ends the program. The processor time hardly depends on what else the
// machine is doing, the elapsed time does.
//
//   first_map [--settle MS] PROGRAM [ARGS...]    prints "<ms> <cpu-ms> <rss-kB>"
//
// Run it on a display without a window manager: there a top-level window is a child of
// the root window, and its MapNotify reaches whoever selected the root's substructure.
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

long rssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Processor time of every thread of the process, from the scheduler's statistics.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream stat(task.path() / "schedstat");
        double onCpu = 0;
        if (stat >> onCpu) ns += onCpu;
    }
    return ns / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    int settleMs = 500;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: first_map [--settle MS] PROGRAM [ARGS...]\n");
        return 2;
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first_map: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "first_map: cannot start %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }

    double ms = -1;
    double cpu = -1;
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
        std::free(e);
        if (mapped) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            cpu = cpuMs(pid);
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) break;  // ended without a window
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = rssKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (ms < 0) {
        std::fprintf(stderr, "first_map: %s showed no window\n", argv[first]);
        return 1;
    }
    std::printf("%.1f %.1f %ld\n", ms, cpu, rss);
    return 0;
}
