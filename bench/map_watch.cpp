// Launches a program on the X display and reports how long it took to map its first top-level
// window, and its resident memory then: map_watch SETTLE_MS PROGRAM [ARGS...]. It prints
// "<milliseconds> <VmHWM kB>", waits SETTLE_MS more, prints the VmHWM again and ends the program.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

double Now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long VmHwmKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_watch SETTLE_MS PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "map_watch: no X display\n");
    return 2;
  }
  // Every window mapped on the root, the first top-level window of the program among them.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = Now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1;
  while (mapped < 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect) mapped = Now() - start;
  }
  std::printf("%.2f %ld\n", mapped, VmHwmKb(child));
  usleep(static_cast<useconds_t>(std::atoi(argv[1])) * 1000);
  std::printf("%ld\n", VmHwmKb(child));
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
