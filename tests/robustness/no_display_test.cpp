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
  friend void PrintTo(const Case& c, std::ostream* out) {
    *out << (c.display ? "DISPLAY=\"" + *c.display + "\"" : std::string("DISPLAY unset"));
  }
};

// Runs the game with `display` as DISPLAY (unset when nothing) and `wayland` as WAYLAND_DISPLAY,
// and nothing else that names a display or a platform (no QT_QPA_PLATFORM), on an English
// desktop; it must refuse to start in one line on stderr and with status 1.
void ExpectOneLineAndStatusOne(const std::optional<std::string>& display,
                               const std::optional<std::string>& wayland = std::nullopt) {
  GameOptions options;
  options.environment = {{"LANG", "en_GB.UTF-8"}};
  if (display) options.environment["DISPLAY"] = *display;
  if (wayland) options.environment["WAYLAND_DISPLAY"] = *wayland;
  const Finished run = RunWithoutDisplay(options);
  EXPECT_TRUE(run.status.exited) << "ended by signal " << run.status.signal << "\n" << run.err;
  EXPECT_EQ(run.status.code, 1);
  EXPECT_EQ(run.err, "lucen: no graphical display is available\n");
  EXPECT_EQ(run.out, "");
}

class NoDisplayTest : public ::testing::TestWithParam<Case> {};

TEST_P(NoDisplayTest, OneLineOnStderrAndStatusOne) {
  ExpectOneLineAndStatusOne(GetParam().display);
}

// A Wayland socket name left in the environment with nothing behind it (and no X display): the
// game still has no display to show on.
TEST(NoDisplay, AStaleWaylandDisplayIsNoDisplayEither) {
  ExpectOneLineAndStatusOne(std::nullopt, "wayland-lucen-none");
}

INSTANTIATE_TEST_SUITE_P(Displays, NoDisplayTest,
                         ::testing::Values(Case{"Unset", std::nullopt}, Case{"Empty", ""},
                                           Case{"NoServer", UnusedDisplay()},
                                           Case{"NoServerScreenOne", UnusedDisplay() + ".1"}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace lucen::e2e
