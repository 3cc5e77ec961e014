#include "tests/e2e/support/process.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lucen::e2e {

ChildProcess::ChildProcess(const QStringList& argv, const QProcessEnvironment& environment,
                           const std::filesystem::path& out, const std::filesystem::path& err) {
  process_.setProgram(argv.front());
  process_.setArguments(argv.mid(1));
  process_.setProcessEnvironment(environment);
  process_.setStandardInputFile(QProcess::nullDevice());
  process_.setStandardOutputFile(QString::fromStdString(out.string()));
  process_.setStandardErrorFile(QString::fromStdString(err.string()));
  const pid_t parent = getpid();
  // In the child, before exec: only async-signal-safe calls.
  process_.setChildProcessModifier([parent] {
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
  });
  started_ = std::chrono::steady_clock::now();
  process_.start();
  if (!process_.waitForStarted(static_cast<int>(kPatience.count()))) {
    throw std::runtime_error("cannot start " + argv.front().toStdString() + ": " +
                             process_.errorString().toStdString());
  }
  pid_ = static_cast<pid_t>(process_.processId());
  setpgid(pid_, pid_);  // also from here, so the group exists before anyone signals it
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0) return;
  // The whole group, politely first (an X server then removes its lock file): anything the
  // program started and left in it goes too.
  kill(-pid_, SIGTERM);
  if (!process_.waitForFinished(5000)) {
    kill(-pid_, SIGKILL);
    process_.waitForFinished(-1);
  }
  kill(-pid_, SIGKILL);
}

std::optional<ExitStatus> ChildProcess::WaitFor(std::chrono::milliseconds limit) {
  if (process_.state() != QProcess::NotRunning &&
      !process_.waitForFinished(static_cast<int>(limit.count()))) {
    return std::nullopt;
  }
  // QProcess gives the signal's number as the exit code of a process a signal ended.
  if (process_.exitStatus() == QProcess::CrashExit)
    return ExitStatus{false, 0, process_.exitCode()};
  return ExitStatus{true, process_.exitCode(), 0};
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

}  // namespace lucen::e2e
