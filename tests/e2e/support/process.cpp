#include "tests/e2e/support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lucen::e2e {

namespace {

ExitStatus Decode(int raw) {
  ExitStatus status;
  if (WIFEXITED(raw)) {
    status.exited = true;
    status.code = WEXITSTATUS(raw);
  } else if (WIFSIGNALED(raw)) {
    status.signal = WTERMSIG(raw);
  }
  return status;
}

void Check(int error, const char* what) {
  if (error != 0) throw std::runtime_error(std::string(what) + ": " + std::strerror(error));
}

}  // namespace

std::string NoSessionBus(const std::filesystem::path& folder) {
  return "unix:path=" + (folder / "no-session-bus").string();
}

Environment& Environment::Set(const std::string& name, const std::string& value) {
  values_[name] = value;
  return *this;
}

Environment& Environment::Inherit(const std::string& name) {
  if (const char* value = std::getenv(name.c_str())) values_[name] = value;
  return *this;
}

std::vector<std::string> Environment::Entries() const {
  std::vector<std::string> entries;
  for (const auto& [name, value] : values_) entries.push_back(name + "=" + value);
  return entries;
}

ChildProcess::ChildProcess(const Options& options) {
  if (options.argv.empty()) throw std::invalid_argument("ChildProcess: no program");

  // Everything the child needs is prepared before fork: after it, only async-signal-safe calls.
  std::vector<char*> argv;
  for (const std::string& arg : options.argv) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const std::vector<std::string> entries = options.environment.Entries();
  std::vector<char*> envp;
  for (const std::string& entry : entries) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);

  const auto openOutput = [](const std::filesystem::path& file) {
    const int fd = file.empty()
                       ? open("/dev/null", O_WRONLY | O_CLOEXEC)
                       : open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Check(errno, "open");
    return fd;
  };
  // Every descriptor the child gets is first copied above the numbers it will be given, so that
  // no dup2 lands on a descriptor still to be read from.
  std::vector<std::pair<int, int>> moves;
  const auto keep = [&](int fd, int to) {
    const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 64);
    if (copy < 0) Check(errno, "fcntl");
    moves.emplace_back(copy, to);
  };
  const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
  const int out = openOutput(options.stdoutFile);
  const int err = openOutput(options.stderrFile);
  keep(in, 0);
  keep(out, 1);
  keep(err, 2);
  close(in);
  close(out);
  close(err);
  for (const auto& [from, to] : options.passFds) keep(from, to);
  const pid_t parent = getpid();

  pid_ = fork();
  if (pid_ < 0) Check(errno, "fork");
  if (pid_ == 0) {
    setpgid(0, 0);
    // Should the test itself die, the child goes with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    for (const auto& [copy, to] : moves) dup2(copy, to);  // dup2 clears close-on-exec on `to`
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  setpgid(pid_, pid_);  // also from here, so the group exists before anyone signals it
  for (const auto& move : moves) close(move.first);
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0) return;
  // The whole group: anything the program started and left in it goes too.
  kill(-pid_, SIGKILL);
  if (!status_) {
    int raw = 0;
    while (waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
    }
  }
}

bool ChildProcess::Running() {
  if (status_) return false;
  int raw = 0;
  const pid_t reaped = waitpid(pid_, &raw, WNOHANG);
  if (reaped == pid_) {
    status_ = Decode(raw);
    return false;
  }
  return true;
}

std::optional<ExitStatus> ChildProcess::WaitFor(std::chrono::milliseconds limit) {
  WaitUntil([this] { return !Running(); }, limit, std::chrono::milliseconds(2));
  return status_;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

TempDir::TempDir(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("mkdtemp: " + std::string(std::strerror(errno)));
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace lucen::e2e
