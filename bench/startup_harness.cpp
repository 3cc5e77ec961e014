// Whole-process start-up and memory of the game against a minimal Qt 6 Widgets window (and,
// when given, a minimal window that shows one line of text), run in turn under one private Xvfb
// with no window manager, through the end-to-end harness:
//   start-up  from the start of the process to the MapNotify of its first top-level window (the
//             X server's map events, no polling), and the CPU time the process had used by then;
//   peak RSS  the kernel's high-water mark of its resident memory (VmHWM), read until it ends:
//             game:    about window mapped, clicked; main window mapped, asked to close; exit 0
//             others:  their window mapped, asked to close; exit 0
// Prints medians, the start-up ratio and the memory difference against the targets, and ends
// with status 1 when a target is missed. --smoke runs each program once and checks only that all
// of this works with them: it judges no time and no memory.
//
//   startup_harness [--smoke] [--runs N] [--warmup N] GAME MINIMAL_WINDOW [TEXT_WINDOW]
#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "tests/e2e/support/running_game.h"

namespace lucen::e2e {
namespace {

using Clock = std::chrono::steady_clock;

// Targets: the game's start-up at most this many times the minimal window's, and its peak
// resident memory at most this much above the minimal window's.
constexpr double kStartupRatioTarget = 1.15;
constexpr double kExtraMemoryTargetMiB = 6.0;

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

// Time on the CPU so far of every thread of a process (/proc/PID/task/*/schedstat, in ns):
// unlike the wall clock, it barely moves when other work shares the machine.
double CpuTimeMs(pid_t pid) {
  double total = 0;
  std::error_code error;
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    total += std::strtod(ReadFile(task.path() / "schedstat").c_str(), nullptr);
  }
  return total / 1e6;
}

// The process's peak resident memory so far, in MiB; 0 once it has gone.
double PeakResidentMiB(pid_t pid) {
  const std::string status = ReadFile("/proc/" + std::to_string(pid) + "/status");
  const std::size_t at = status.find("VmHWM:");
  return at == std::string::npos ? 0 : std::strtod(status.c_str() + at + 6, nullptr) / 1024.0;
}

struct Program {
  std::string label;
  std::filesystem::path path;
  bool isGame;  // shows the about window first, then the main window
};

struct Sample {
  double startupMs = 0;     // to the first window
  double cpuMs = 0;         // CPU time the process had used by then, all its threads
  double mainWindowMs = 0;  // the game only: to the main window, the about window clicked
  double peakRssMiB = 0;
};

Sample Run(XDesktop& desktop, const std::string& display, const std::filesystem::path& folder,
           const Program& program) {
  GameOptions options;
  options.executable = program.path;
  options.environment.clear();  // the harness's own language, if it has one
  if (const char* lang = std::getenv("LANG")) options.environment["LANG"] = lang;
  const auto child = StartGame(options, folder, display);
  const pid_t pid = child->Pid();
  const auto ended = [&] { return !child->Running(); };

  Sample sample;
  const Window first = desktop.NextMapped(pid, None, ended);
  sample.startupMs = Milliseconds(Clock::now() - child->Started());
  sample.cpuMs = CpuTimeMs(pid);
  if (first == None) Fail(program.label + " mapped no window");
  Window last = first;
  if (program.isGame) {
    const QRect about = desktop.Frame(first);
    if (about.size() != AboutSize())
      Fail(program.label + ": the first window is not the about window");
    desktop.Click(about.center());
    last = desktop.NextMapped(pid, first, ended);
    sample.mainWindowMs = Milliseconds(Clock::now() - child->Started());
    if (last == None) Fail(program.label + " showed no main window after the about window");
  }
  if (!desktop.RequestClose(last)) Fail(program.label + "'s window takes no close request");
  std::optional<ExitStatus> status;
  const auto deadline = Clock::now() + kPatience;
  while (!status && Clock::now() < deadline) {
    sample.peakRssMiB = std::max(sample.peakRssMiB, PeakResidentMiB(pid));
    status = child->WaitFor(std::chrono::milliseconds(1));
  }
  if (!status) Fail(program.label + " did not end after its window was asked to close");
  if (!status->exited || status->code != 0) Fail(program.label + " did not end with status 0");
  return sample;
}

std::vector<double> Column(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(sample.*field);
  return values;
}

int Main(const QStringList& arguments) {
  int runs = 21;
  int warmup = 2;
  bool smoke = false;
  std::vector<std::filesystem::path> paths;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if ((arguments[i] == "--runs" || arguments[i] == "--warmup") && i + 1 < arguments.size()) {
      (arguments[i] == "--runs" ? runs : warmup) = arguments[i + 1].toInt();
      ++i;
    } else if (arguments[i] == "--smoke") {
      smoke = true;
    } else {
      paths.push_back(std::filesystem::absolute(arguments[i].toStdString()));
    }
  }
  if (smoke) {
    runs = 1;
    warmup = 0;
  }
  if (paths.size() < 2 || paths.size() > 3 || runs < 1 || warmup < 0) {
    std::fputs(
        "usage: startup_harness [--smoke] [--runs N] [--warmup N] GAME MINIMAL_WINDOW "
        "[TEXT_WINDOW]\n",
        stderr);
    return 2;
  }
  // The game, the yardstick, and optionally a minimal window that shows one line of text.
  std::vector<Program> programs{{"Lucen", paths[0], true}, {"minimal window", paths[1], false}};
  if (paths.size() == 3) programs.push_back({"text window", paths[2], false});

  QTemporaryDir folder(QDir::tempPath() + "/lucen-harness-XXXXXX");
  const std::filesystem::path place = folder.path().toStdString();
  XvfbServer server(place / "xvfb.log");
  XDesktop desktop(server.DisplayName());
  std::vector<std::vector<Sample>> samples(programs.size());
  for (int i = 0; i < warmup; ++i) {
    for (const Program& program : programs) Run(desktop, server.DisplayName(), place, program);
  }
  // In turn, forwards then backwards (A B, B A, ...), so that each program follows each other
  // as often as it precedes it.
  for (int i = 0; i < runs; ++i) {
    for (std::size_t turn = 0; turn < programs.size(); ++turn) {
      const std::size_t which = i % 2 == 0 ? turn : programs.size() - 1 - turn;
      samples[which].push_back(Run(desktop, server.DisplayName(), place, programs[which]));
    }
  }

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
                programs[which].label.c_str(), Median(times), *std::ranges::min_element(times),
                *std::ranges::max_element(times), median(which, &Sample::cpuMs), Median(sizes),
                *std::ranges::max_element(sizes));
  }
  std::printf("Lucen's main window, after a click on the about window: median %.1f ms\n",
              median(0, &Sample::mainWindowMs));
  if (programs.size() == 3) {
    std::printf("against the text window: start-up ratio %.3f, CPU ratio %.3f, memory %+.1f MiB\n",
                median(0, &Sample::startupMs) / median(2, &Sample::startupMs),
                median(0, &Sample::cpuMs) / median(2, &Sample::cpuMs),
                median(0, &Sample::peakRssMiB) - median(2, &Sample::peakRssMiB));
  }
  if (smoke) {
    std::puts("smoke run: every program started, showed its windows and ended; nothing judged");
    return 0;
  }

  const double ratio = median(0, &Sample::startupMs) / median(1, &Sample::startupMs);
  const double extra = median(0, &Sample::peakRssMiB) - median(1, &Sample::peakRssMiB);
  const bool ratioMet = ratio <= kStartupRatioTarget;
  const bool memoryMet = extra <= kExtraMemoryTargetMiB;
  std::printf("start-up ratio, Lucen / minimal window: %.3f (target at most %.2f: %s)\n", ratio,
              kStartupRatioTarget, ratioMet ? "met" : "MISSED");
  std::printf("  the same ratio of CPU time used by the first window: %.3f\n",
              median(0, &Sample::cpuMs) / median(1, &Sample::cpuMs));
  std::printf("peak memory, Lucen - minimal window: %+.1f MiB (target at most +%.0f MiB: %s)\n",
              extra, kExtraMemoryTargetMiB, memoryMet ? "met" : "MISSED");
  return ratioMet && memoryMet ? 0 : 1;
}

}  // namespace
}  // namespace lucen::e2e

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);  // the harness starts the programs through QProcess
  try {
    return lucen::e2e::Main(QCoreApplication::arguments());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_harness: %s\n", error.what());
    return 1;
  }
}
