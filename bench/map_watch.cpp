// Launches a program on the X display and reports how long it took to map its first top-level
// window, and its resident memory then: map_watch SETTLE_MS PROGRAM [ARGS...]. It prints
// "<milliseconds> <VmHWM kB>", waits SETTLE_MS more, prints the VmHWM again and ends the program
// (and the window's own process, where a launcher started it).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
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

// The process that owns a window, as the window says (_NET_WM_PID); fallback when it does not.
pid_t OwnerOf(Display* display, Window window, pid_t fallback) {
  const Atom property = XInternAtom(display, "_NET_WM_PID", True);
  if (property == None) return fallback;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  pid_t owner = fallback;
  if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                         &items, &after, &data) == Success &&
      data != nullptr && items == 1 && format == 32) {
    owner = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data != nullptr) XFree(data);
  return owner;
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
    // The program's output is not ours: a launcher's children must not hold our output open.
    if (freopen("/dev/null", "w", stdout) == nullptr || freopen("/dev/null", "w", stderr) == nullptr) {
      _exit(126);
    }
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1;
  pid_t owner = child;  // a launcher such as dbus-run-session runs the program as its child
  while (mapped < 0) {
    if (XPending(display) == 0) {
      // Nothing from the X server yet: wait for it a little, unless the program is gone.
      if (waitpid(child, nullptr, WNOHANG) == child) {
        std::fprintf(stderr, "map_watch: %s ended without showing a window\n", argv[2]);
        return 1;
      }
      fd_set readable;
      FD_ZERO(&readable);
      FD_SET(ConnectionNumber(display), &readable);
      timeval wait{0, 10'000};
      select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &wait);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect) {
      mapped = Now() - start;
      owner = OwnerOf(display, event.xmap.window, child);
    }
  }
  std::printf("%.2f %ld\n", mapped, VmHwmKb(owner));
  usleep(static_cast<useconds_t>(std::atoi(argv[1])) * 1000);
  std::printf("%ld\n", VmHwmKb(owner));
  if (owner != child) kill(owner, SIGTERM);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
