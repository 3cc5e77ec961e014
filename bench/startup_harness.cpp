// Whole-process start-up and memory of the game against a minimal Qt 6 Widgets window (and,
// when given, a minimal window that shows one line of text), run in turn under a private Xvfb
// with no window manager:
//   start-up  from fork() to the MapNotify of the process's first top-level window, seen through
//             SubstructureNotify on the root window (no polling), and the CPU time the process
//             had used by then;
//   peak RSS  ru_maxrss from wait4() after a whole run:
//             game:    about window mapped, clicked; main window mapped, asked to close; exit 0
//             others:  their window mapped, asked to close; exit 0
// Prints medians, the start-up ratio and the memory difference against the targets.
//
//   startup_harness [--runs N] [--warmup N] GAME MINIMAL_WINDOW [TEXT_WINDOW]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Targets: the game's start-up at most this many times the minimal window's, and its peak
// resident memory at most this much above the minimal window's.
constexpr double kStartupRatioTarget = 1.15;
constexpr double kExtraMemoryTargetMiB = 6.0;
// The about window's size, which tells that the game's first window is the right one.
constexpr int kAboutWidth = 284;
constexpr int kAboutHeight = 420;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

[[noreturn]] void Fail(const std::string& what) {
  throw std::runtime_error(what);
}

// Windows can vanish between an event and a look at them; such errors are expected.
int IgnoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
  return 0;
}

// A private X server, started with -displayfd and ended with the harness.
class PrivateXServer {
 public:
  PrivateXServer() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) Fail("pipe: " + std::string(std::strerror(errno)));
    pid_ = fork();
    if (pid_ < 0) Fail("fork: " + std::string(std::strerror(errno)));
    if (pid_ == 0) {
      const int fd = dup(fds[1]);  // without close-on-exec
      const int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
      const std::string fdText = std::to_string(fd);
      execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-nolisten", "tcp", "-screen", "0",
             "1024x768x24", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd ready{fds[0], POLLIN, 0};
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
      if (poll(&ready, 1, 100) <= 0) continue;
      char buffer[32];
      const ssize_t got = read(fds[0], buffer, sizeof buffer);
      if (got <= 0) break;
      number.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
      Stop();
      Fail("Xvfb did not start");
    }
    name_ = ":" + number.substr(0, number.find('\n'));
  }
  ~PrivateXServer() { Stop(); }
  PrivateXServer(const PrivateXServer&) = delete;
  PrivateXServer& operator=(const PrivateXServer&) = delete;

  const std::string& Name() const { return name_; }

 private:
  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  pid_t pid_ = -1;
  std::string name_;
};

struct Program {
  std::string label;
  std::string path;
  bool isGame;  // shows the about window first, then the main window
};

struct Sample {
  double startupMs = 0;     // to the first window
  double cpuMs = 0;         // CPU time the process had used by then, all its threads
  double mainWindowMs = 0;  // the game only: to the main window, the about window clicked
  double peakRssMiB = 0;
};

class Harness {
 public:
  explicit Harness(const std::string& displayName) {
    XSetErrorHandler(IgnoreXError);
    display_ = XOpenDisplay(displayName.c_str());
    if (display_ == nullptr) Fail("cannot open display " + displayName);
    int eventBase, errorBase, major, minor;
    if (!XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor)) {
      Fail("the X server lacks the XTEST extension");
    }
    root_ = DefaultRootWindow(display_);
    pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
    protocolsAtom_ = XInternAtom(display_, "WM_PROTOCOLS", False);
    deleteAtom_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    XSync(display_, False);
  }
  ~Harness() {
    if (child_ > 0) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  Sample Run(const Program& program) {
    XSync(display_, False);
    while (XPending(display_) > 0) {  // nothing left over from the last run
      XEvent stale;
      XNextEvent(display_, &stale);
    }

    Sample sample;
    const auto start = Clock::now();
    child_ = fork();
    if (child_ < 0) Fail("fork: " + std::string(std::strerror(errno)));
    if (child_ == 0) {
      const int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, STDOUT_FILENO);
      execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }

    const Window first = WaitForMappedWindow(program, None);
    sample.startupMs = Milliseconds(Clock::now() - start);
    sample.cpuMs = CpuTimeMs(child_);
    Window last = first;
    if (program.isGame) {
      const auto [width, height] = SizeOf(first);
      if (width != kAboutWidth || height != kAboutHeight) {
        Fail(program.label + ": the first window is " + std::to_string(width) + "x" +
             std::to_string(height) + ", not the about window");
      }
      ClickCentre(first);
      last = WaitForMappedWindow(program, first);
      sample.mainWindowMs = Milliseconds(Clock::now() - start);
    }
    AskToClose(last);
    sample.peakRssMiB = WaitForExit(program);
    return sample;
  }

 private:
  // Time on the CPU so far of every thread of a process (/proc/PID/task/*/schedstat, in ns):
  // unlike the wall clock, it barely moves when other work shares the machine.
  static double CpuTimeMs(pid_t pid) {
    double total = 0;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
      std::FILE* file = std::fopen((task.path() / "schedstat").c_str(), "r");
      if (file == nullptr) continue;
      unsigned long long nanoseconds = 0;
      if (std::fscanf(file, "%llu", &nanoseconds) == 1) total += static_cast<double>(nanoseconds);
      std::fclose(file);
    }
    return total / 1e6;
  }

  pid_t WindowPid(Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    pid_t pid = -1;
    if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
      if (format == 32 && count == 1) pid = static_cast<pid_t>(*reinterpret_cast<long*>(data));
      XFree(data);
    }
    return pid;
  }

  // Whether the child has ended, without collecting it (its resource usage is read later).
  bool ChildEnded() {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(child_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == child_;
  }

  // The next top-level window of the child to be mapped, other than `except`.
  Window WaitForMappedWindow(const Program& program, Window except) {
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    while (Clock::now() < deadline) {
      while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type != MapNotify || event.xmap.event != root_ || event.xmap.override_redirect ||
            event.xmap.window == except) {
          continue;
        }
        if (WindowPid(event.xmap.window) == child_) return event.xmap.window;
      }
      if (ChildEnded()) Fail(program.label + " ended before mapping a window");
      poll(&connection, 1, 10);
    }
    Fail(program.label + " mapped no window within 30 s");
  }

  std::pair<int, int> SizeOf(Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display_, window, &attributes) == 0) return {0, 0};
    return {attributes.width, attributes.height};
  }

  // A click of the first button in the middle of the window, as a player would (XTEST).
  void ClickCentre(Window window) {
    const auto [width, height] = SizeOf(window);
    int x = 0, y = 0;
    Window child = None;
    XTranslateCoordinates(display_, window, root_, width / 2, height / 2, &x, &y, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
  }

  // What a window manager sends when the player closes a window.
  void AskToClose(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocolsAtom_;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteAtom_);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
  }

  // Collects the child; returns its peak resident memory in MiB.
  double WaitForExit(const Program& program) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    int status = 0;
    rusage usage{};
    pid_t done = 0;
    while ((done = wait4(child_, &status, WNOHANG, &usage)) == 0 && Clock::now() < deadline) {
      usleep(5000);
    }
    if (done != child_) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
      child_ = -1;
      Fail(program.label + " did not end within 20 s of its window being closed");
    }
    child_ = -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      Fail(program.label + " did not end with status 0");
    }
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  }

  Display* display_ = nullptr;
  Window root_ = None;
  Atom pidAtom_ = None, protocolsAtom_ = None, deleteAtom_ = None;
  pid_t child_ = -1;
};

int ParseCount(const char* text, const char* option) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 10000) {
    Fail(std::string(option) + " needs a count, not '" + text + "'");
  }
  return static_cast<int>(value);
}

std::vector<double> Column(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(sample.*field);
  return values;
}

int Main(int argc, char* argv[]) {
  int runs = 21;
  int warmup = 2;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if ((argument == "--runs" || argument == "--warmup") && i + 1 < argc) {
      (argument == "--runs" ? runs : warmup) = ParseCount(argv[i + 1], argv[i]);
      ++i;
    } else {
      paths.push_back(argument);
    }
  }
  if (paths.size() < 2 || paths.size() > 3 || runs < 1) {
    std::fputs("usage: startup_harness [--runs N] [--warmup N] GAME MINIMAL_WINDOW [TEXT_WINDOW]\n",
               stderr);
    return 2;
  }
  // The game, the yardstick, and optionally a minimal window that shows one line of text.
  std::vector<Program> programs{
      {"Lucen", std::filesystem::absolute(paths[0]).string(), true},
      {"minimal window", std::filesystem::absolute(paths[1]).string(), false}};
  if (paths.size() == 3) {
    programs.push_back({"text window", std::filesystem::absolute(paths[2]).string(), false});
  }

  // The children see only the private server, on the X11 platform, without runtime warnings.
  PrivateXServer server;
  setenv("DISPLAY", server.Name().c_str(), 1);
  unsetenv("QT_QPA_PLATFORM");
  unsetenv("WAYLAND_DISPLAY");
  char runtimeDir[] = "/tmp/lucen-harness-XXXXXX";
  if (mkdtemp(runtimeDir) == nullptr) Fail("mkdtemp: " + std::string(std::strerror(errno)));
  setenv("XDG_RUNTIME_DIR", runtimeDir, 1);
  // No session bus (nothing listens there), or libdbus starts a daemon that outlives the harness.
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + std::string(runtimeDir) + "/none").c_str(), 1);
  struct RemovedAtEnd {
    std::string path;
    ~RemovedAtEnd() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } runtimeDirRemoval{runtimeDir};

  std::vector<std::vector<Sample>> samples(programs.size());
  {
    Harness harness(server.Name());
    for (int i = 0; i < warmup; ++i) {
      for (const Program& program : programs) harness.Run(program);
    }
    // In turn, forwards then backwards (A B, B A, ...), so that each program follows each other
    // as often as it precedes it.
    for (int i = 0; i < runs; ++i) {
      for (std::size_t turn = 0; turn < programs.size(); ++turn) {
        const std::size_t which = i % 2 == 0 ? turn : programs.size() - 1 - turn;
        samples[which].push_back(harness.Run(programs[which]));
      }
    }
  }

  const auto minOf = [](const std::vector<double>& v) { return *std::ranges::min_element(v); };
  const auto maxOf = [](const std::vector<double>& v) { return *std::ranges::max_element(v); };
  const auto median = [&](std::size_t which, double Sample::*field) {
    return Median(Column(samples[which], field));
  };

  std::printf("%d runs of each, in turn, after %d warm-up runs of each; Xvfb, no window manager\n",
              runs, warmup);
  std::printf("%-15s %-27s %-12s %s\n", "", "start-up to first window", "CPU by then",
              "peak resident memory");
  std::printf("%-15s %8s %8s %8s  %10s  %10s %9s\n", "", "median", "min", "max", "median", "median",
              "max");
  for (std::size_t which = 0; which < programs.size(); ++which) {
    const auto times = Column(samples[which], &Sample::startupMs);
    const auto sizes = Column(samples[which], &Sample::peakRssMiB);
    std::printf("%-15s %5.1f ms %5.1f ms %5.1f ms  %7.1f ms  %6.1f MiB %5.1f MiB\n",
                programs[which].label.c_str(), Median(times), minOf(times), maxOf(times),
                median(which, &Sample::cpuMs), Median(sizes), maxOf(sizes));
  }
  std::printf("Lucen's main window, after a click on the about window: median %.1f ms\n",
              median(0, &Sample::mainWindowMs));

  const double ratio = median(0, &Sample::startupMs) / median(1, &Sample::startupMs);
  const double extra = median(0, &Sample::peakRssMiB) - median(1, &Sample::peakRssMiB);
  std::printf("start-up ratio, Lucen / minimal window: %.3f (target at most %.2f: %s)\n", ratio,
              kStartupRatioTarget, ratio <= kStartupRatioTarget ? "met" : "MISSED");
  std::printf("  the same ratio of CPU time used by the first window: %.3f\n",
              median(0, &Sample::cpuMs) / median(1, &Sample::cpuMs));
  std::printf("peak memory, Lucen - minimal window: %+.1f MiB (target at most +%.0f MiB: %s)\n",
              extra, kExtraMemoryTargetMiB, extra <= kExtraMemoryTargetMiB ? "met" : "MISSED");
  if (programs.size() == 3) {
    std::printf("against the text window: start-up ratio %.3f, CPU ratio %.3f, memory %+.1f MiB\n",
                median(0, &Sample::startupMs) / median(2, &Sample::startupMs),
                median(0, &Sample::cpuMs) / median(2, &Sample::cpuMs),
                median(0, &Sample::peakRssMiB) - median(2, &Sample::peakRssMiB));
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    return Main(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_harness: %s\n", error.what());
    return 1;
  }
}
