#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lucen::e2e {

// How a child process ended.
struct ExitStatus {
  bool exited = false;  // by exit() or return from main
  int code = 0;         // when exited
  int signal = 0;       // the signal that killed it, when it did not exit
};

// Environment variables for a child, built from nothing: no variable of the test's own
// environment leaks in unless copied on purpose.
class Environment {
 public:
  Environment& Set(const std::string& name, const std::string& value);
  // Copies `name` from the test's own environment when it is set there (sanitizer options).
  Environment& Inherit(const std::string& name);
  std::vector<std::string> Entries() const;

 private:
  std::map<std::string, std::string> values_;
};

// A D-Bus session bus address for a child: a socket in `folder` where nothing listens (an odd
// character in the path makes it invalid, which works as well). With none at all, libdbus would
// start a bus daemon for the child's X display that outlives the test.
std::string NoSessionBus(const std::filesystem::path& folder);

// A child process in a process group of its own. Whatever is still running of that group when the
// object goes (test failure included) is killed and reaped.
class ChildProcess {
 public:
  struct Options {
    std::vector<std::string> argv;  // argv[0] is the program's path
    Environment environment;
    std::filesystem::path stdoutFile;  // empty: /dev/null
    std::filesystem::path stderrFile;  // empty: /dev/null
    // Descriptors of the test handed to the child under another number: {from, to}.
    std::vector<std::pair<int, int>> passFds;
  };

  explicit ChildProcess(const Options& options);  // throws std::runtime_error
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  // Whether the process has not been reaped yet (it may be a zombie until then).
  bool Running();
  // Waits at most `limit` for the process to end; nothing if it is still running then.
  std::optional<ExitStatus> WaitFor(std::chrono::milliseconds limit);

 private:
  pid_t pid_ = -1;
  std::optional<ExitStatus> status_;
};

// Reads a whole file; empty when it does not exist.
std::string ReadFile(const std::filesystem::path& path);

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  explicit TempDir(const std::string& prefix = "lucen-test");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Polls `condition` every `interval` until it holds or `limit` has passed; returns its last value.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit,
               std::chrono::milliseconds interval = std::chrono::milliseconds(10));

}  // namespace lucen::e2e

#include <thread>

namespace lucen::e2e {

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit,
               std::chrono::milliseconds interval) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (true) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    std::this_thread::sleep_for(interval);
  }
}

}  // namespace lucen::e2e
