#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "tests/e2e/support/process.h"

namespace lucen::e2e {

// A private Xvfb server, 1024 x 768 at 24 bits, reachable only through its local socket. It
// picks a free display number itself and is killed with the object.
class XvfbServer {
 public:
  // The server's messages go to `logFile`.
  explicit XvfbServer(const std::filesystem::path& logFile);
  const std::string& DisplayName() const { return display_; }  // ":N"

 private:
  std::unique_ptr<ChildProcess> process_;
  std::string display_;
};

}  // namespace lucen::e2e
