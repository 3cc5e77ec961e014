// The game as a screen reader finds it: its accessibility tree read over AT-SPI from outside the
// process, on a private session bus that starts the accessibility bus and registry on demand.
#include <atspi/atspi.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>

#include <QDir>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

struct Unref {
  void operator()(void* object) const { g_object_unref(object); }
};
using Node = std::unique_ptr<AtspiAccessible, Unref>;

std::string Take(gchar* text) {
  std::string copy = text != nullptr ? text : "";
  g_free(text);
  return copy;
}

std::string Name(const Node& node) {
  return Take(atspi_accessible_get_name(node.get(), nullptr));
}

// Role and name, as a screen reader says them.
std::vector<std::string> Readings(const std::vector<Node>& nodes) {
  std::vector<std::string> readings;
  for (const Node& node : nodes) {
    readings.push_back(Take(atspi_accessible_get_role_name(node.get(), nullptr)) + " " +
                       Name(node));
  }
  return readings;
}

std::vector<std::string> Descriptions(const std::vector<Node>& nodes) {
  std::vector<std::string> descriptions;
  for (const Node& node : nodes) {
    descriptions.push_back(Take(atspi_accessible_get_description(node.get(), nullptr)));
  }
  return descriptions;
}

std::vector<Node> Children(const Node& node) {
  std::vector<Node> children;
  const int count = atspi_accessible_get_child_count(node.get(), nullptr);
  for (int i = 0; i < count; ++i) {
    if (AtspiAccessible* child = atspi_accessible_get_child_at_index(node.get(), i, nullptr)) {
      children.emplace_back(child);
    }
  }
  return children;
}

// Every object with `role` from `node` down, depth first.
std::vector<Node> All(const Node& node, AtspiRole role) {
  std::vector<Node> found;
  if (atspi_accessible_get_role(node.get(), nullptr) == role) {
    found.emplace_back(static_cast<AtspiAccessible*>(g_object_ref(node.get())));
  }
  for (const Node& child : Children(node)) {
    for (Node& below : All(child, role)) found.push_back(std::move(below));
  }
  return found;
}

std::vector<std::string> ActionNames(const Node& node) {
  std::vector<std::string> names;
  if (AtspiAction* action = atspi_accessible_get_action_iface(node.get())) {
    for (int i = 0; i < atspi_action_get_n_actions(action, nullptr); ++i) {
      names.push_back(Take(atspi_action_get_action_name(action, i, nullptr)));
    }
    g_object_unref(action);
  }
  return names;
}

// Does an object's first action: for a button or a link, what a click does.
void DoFirstAction(const Node& node) {
  AtspiAction* action = atspi_accessible_get_action_iface(node.get());
  ASSERT_NE(action, nullptr);
  EXPECT_TRUE(atspi_action_do_action(action, 0, nullptr));
  g_object_unref(action);
}

std::vector<std::string> MenuTitles(const Node& frame) {
  std::vector<std::string> titles;
  for (const Node& bar : All(frame, ATSPI_ROLE_MENU_BAR)) {
    for (const Node& menu : Children(bar)) titles.push_back(Name(menu));
  }
  return titles;
}

// A private session bus, the game's and this test's. What it starts is orphaned at once, and
// comes to this process to be reaped; the test fails if anything it started is still running
// at the end.
class ScreenReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const std::string home = folder_.path().toStdString();
    address_ = "unix:path=" + home + "/bus";
    ChildProcess::Options bus;
    bus.argv = {LUCEN_DBUS_DAEMON, "--session", "--nofork", "--address=" + address_,
                "--print-address=1"};
    bus.environment.insert("PATH", "/usr/bin:/bin");
    bus.environment.insert("HOME", folder_.path());
    bus.environment.insert("XDG_RUNTIME_DIR", folder_.path());
    bus.stdoutFile = home + "/bus.address";
    bus.stderrFile = home + "/bus.log";
    bus_ = std::make_unique<ChildProcess>(bus);
    // The bus prints its address once it takes connections; its socket exists a little earlier.
    ASSERT_TRUE(
        WaitUntil([&] { return ReadFile(home + "/bus.address").find('\n') != std::string::npos; }));
    // The accessibility bus is the one this session bus starts, not one named by a desktop.
    setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
    unsetenv("AT_SPI_BUS_ADDRESS");
    unsetenv("DISPLAY");
    ASSERT_EQ(atspi_init(), 0);
    desktop_.reset(atspi_get_desktop(0));
  }

  void TearDown() override {
    desktop_.reset();
    atspi_exit();
    bus_.reset();  // its process group: the session bus, the accessibility bus and the registry
    EXPECT_TRUE(WaitUntil([] {
      pid_t reaped = 0;
      while ((reaped = waitpid(-1, nullptr, WNOHANG)) > 0) {
      }
      return reaped < 0 && errno == ECHILD;
    })) << "a process the test started is still running";
    if (HasFailure())
      std::cerr << "the bus's messages:\n" << ReadFile(folder_.path().toStdString() + "/bus.log");
  }

  GameOptions OnDesktop(const std::string& locale) const {
    GameOptions options;
    options.environment = {{"DBUS_SESSION_BUS_ADDRESS", address_},
                           {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"},
                           {"LANG", locale}};
    return options;
  }

  // The game's top-level object with `role` (dialog: the about window; frame: the main window),
  // once the game has registered with the accessibility bus and has one.
  Node WaitForWindow(GameSession& game, AtspiRole role) {
    Node found;
    WaitUntil([&] {
      for (const Node& application : Children(desktop_)) {
        if (atspi_accessible_get_process_id(application.get(), nullptr) !=
            static_cast<guint>(game.Process().Pid())) {
          continue;
        }
        for (Node& window : Children(application)) {
          if (atspi_accessible_get_role(window.get(), nullptr) == role) {
            found = std::move(window);
            return true;
          }
        }
      }
      return false;
    });
    return found;
  }

  QTemporaryDir folder_{QDir::tempPath() + "/lucen-a11y-XXXXXX"};
  std::string address_;
  std::unique_ptr<ChildProcess> bus_;
  Node desktop_;
};

// The descriptions of the 5 x 5 board's cells, row by row, with `lit` light green.
// What the cells of a two-colour 5 x 5 board should tell a screen reader.
std::vector<std::string> Described(const Board& board) {
  std::vector<std::string> descriptions;
  for (std::size_t i = 0; i < board.CellCount(); ++i) {
    descriptions.push_back("fila " + std::to_string(i / 5 + 1) + ", columna " +
                           std::to_string(i % 5 + 1) + ", " +
                           (board.Colour(i) == kBlack ? "negro" : "verde claro"));
  }
  return descriptions;
}

TEST_F(ScreenReaderTest, ReadsTheLinksTheCellsAMoveAndTheMenus) {
  {
    GameSession game(OnDesktop("es_ES.UTF-8"));
    const Node about = WaitForWindow(game, ATSPI_ROLE_DIALOG);
    ASSERT_TRUE(about) << "no about window on the accessibility bus";
    // The addresses are links whose action opens them as a click does.
    const std::vector<Node> links = All(about, ATSPI_ROLE_LINK);
    ASSERT_EQ(Readings(links), (std::vector<std::string>{"link info@quindral.example",
                                                         "link www.quindral.example"}));
    for (const Node& link : links) {
      EXPECT_EQ(ActionNames(link), std::vector<std::string>{"Press"});
      DoFirstAction(link);
    }
    std::set<std::vector<std::string>> opened;
    for (const OpenerCall& call : game.WaitForOpenerCalls(2)) opened.insert(call.arguments);
    EXPECT_EQ(opened, (std::set<std::vector<std::string>>{{"mailto:info@quindral.example"},
                                                          {"http://www.quindral.example"}}));

    game.PassAboutWindow();
    const Node frame = WaitForWindow(game, ATSPI_ROLE_FRAME);
    ASSERT_TRUE(frame) << "no main window on the accessibility bus";
    // The board area holds the 25 cells and nothing else: no covered template, no hidden control.
    const std::vector<Node> board = Children(All(frame, ATSPI_ROLE_FILLER).at(0));
    std::vector<std::string> cells;
    for (int i = 1; i <= 25; ++i) cells.push_back("push button Celda " + std::to_string(i));
    ASSERT_EQ(Readings(board), cells);
    EXPECT_EQ(Descriptions(board), Described(Board(5, 2)));

    constexpr int kMove = 13;
    Board moved(5, 2);
    moved.Press(kMove - 1);
    DoFirstAction(board[kMove - 1]);
    const std::vector<std::string> expected = Described(moved);
    std::vector<std::string> seen;
    WaitUntil([&] { return (seen = Descriptions(board)) == expected; });
    EXPECT_EQ(seen, expected);

    EXPECT_EQ(MenuTitles(frame), (std::vector<std::string>{"Juego", "Ayuda"}));
    EXPECT_EQ(game.SanitizerReport(), "");
  }

  GameSession game(OnDesktop("en_US.UTF-8"));
  game.PassAboutWindow();
  const Node frame = WaitForWindow(game, ATSPI_ROLE_FRAME);
  ASSERT_TRUE(frame) << "no main window on the accessibility bus";
  EXPECT_EQ(MenuTitles(frame), (std::vector<std::string>{"Game", "Help"}));
  EXPECT_EQ(game.SanitizerReport(), "");
}

}  // namespace
}  // namespace lucen::e2e
