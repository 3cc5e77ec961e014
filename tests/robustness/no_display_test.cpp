// Started where there is no graphical display, the game says so in one line and leaves with
// status 1, without aborting.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/e2e/support/running_game.h"

namespace lucen::e2e {
namespace {

// A display number with no server behind it: neither its socket nor its lock file exists.
std::string UnusedDisplay() {
  for (int number = 150; number < 1000; ++number) {
    const std::string n = std::to_string(number);
    if (!std::filesystem::exists("/tmp/.X11-unix/X" + n) &&
        !std::filesystem::exists("/tmp/.X" + n + "-lock")) {
      return ":" + n;
    }
  }
  return ":999";
}

struct Case {
  const char* name;
  std::optional<std::string> display;  // nothing: DISPLAY unset
  std::optional<std::string> wayland;  // WAYLAND_DISPLAY, when set
  friend void PrintTo(const Case& c, std::ostream* out) {
    *out << (c.display ? "DISPLAY=\"" + *c.display + "\"" : std::string("DISPLAY unset"));
    if (c.wayland) *out << ", WAYLAND_DISPLAY=\"" << *c.wayland << "\"";
  }
};

class NoDisplayTest : public ::testing::TestWithParam<Case> {};

// The game run with nothing else that names a display or a platform (no QT_QPA_PLATFORM), on an
// English desktop, refuses to start in one line on stderr and with status 1.
TEST_P(NoDisplayTest, OneLineOnStderrAndStatusOne) {
  GameOptions options;
  options.environment = {{"LANG", "en_GB.UTF-8"}};
  if (GetParam().display) options.environment["DISPLAY"] = *GetParam().display;
  if (GetParam().wayland) options.environment["WAYLAND_DISPLAY"] = *GetParam().wayland;
  const Finished run = RunWithoutDisplay(options);
  EXPECT_TRUE(run.status.exited) << "ended by signal " << run.status.signal << "\n" << run.err;
  EXPECT_EQ(run.status.code, 1);
  EXPECT_EQ(run.err, "lucen: no graphical display is available\n");
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Displays, NoDisplayTest,
    ::testing::Values(Case{"Unset", std::nullopt, std::nullopt}, Case{"Empty", "", std::nullopt},
                      Case{"NoServer", UnusedDisplay(), std::nullopt},
                      Case{"NoServerScreenOne", UnusedDisplay() + ".1", std::nullopt},
                      // A Wayland socket name left in the environment with nothing behind it
                      // (and no X display): the game still has no display to show on.
                      Case{"StaleWayland", std::nullopt, "wayland-lucen-none"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace lucen::e2e
