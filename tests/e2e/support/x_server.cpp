#include "tests/e2e/support/x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

namespace lucen::e2e {

namespace {

// A pipe whose two ends are closed with it.
struct Pipe {
  int read = -1;
  int write = -1;
  Pipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error(std::strerror(errno));
    read = fds[0];
    write = fds[1];
  }
  ~Pipe() {
    if (read >= 0) close(read);
    if (write >= 0) close(write);
  }
  void CloseWrite() {
    close(write);
    write = -1;
  }
};

}  // namespace

XvfbServer::XvfbServer(const std::filesystem::path& logFile) {
  Pipe ready;
  constexpr int kDisplayFd = 3;
  ChildProcess::Options options;
  options.argv = {LUCEN_XVFB,  "-displayfd", std::to_string(kDisplayFd),
                  "-screen",   "0",          "1024x768x24",
                  "-nolisten", "tcp",        "-noreset"};
  options.environment.Inherit("PATH");
  options.stderrFile = logFile;
  options.passFds = {{ready.write, kDisplayFd}};
  process_ = std::make_unique<ChildProcess>(options);
  ready.CloseWrite();

  // Xvfb writes its display number and a newline once it accepts clients.
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (number.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) throw std::runtime_error("Xvfb did not start within 30 s");
    pollfd wait{ready.read, POLLIN, 0};
    if (poll(&wait, 1, static_cast<int>(left.count())) <= 0) continue;
    char buffer[32];
    const ssize_t got = ::read(ready.read, buffer, sizeof buffer);
    if (got <= 0) {
      throw std::runtime_error("Xvfb ended before it was ready:\n" + ReadFile(logFile));
    }
    number.append(buffer, static_cast<std::size_t>(got));
  }
  display_ = ":" + number.substr(0, number.find('\n'));
}

}  // namespace lucen::e2e
