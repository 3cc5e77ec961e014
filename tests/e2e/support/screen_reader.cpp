// Qt before X11, whose macros clash with Qt's names.
#include "tests/e2e/support/screen_reader.h"
#include "board_view/colour_names.h"

#include <sys/prctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>

namespace lucen::e2e {

namespace {

std::string Take(gchar* text) {
  std::string copy = text != nullptr ? text : "";
  g_free(text);
  return copy;
}

template <typename Read>
std::vector<std::string> Each(const std::vector<Node>& nodes, Read read) {
  std::vector<std::string> texts;
  for (const Node& node : nodes) texts.push_back(read(node));
  return texts;
}

std::string Name(const Node& node) {
  return Take(atspi_accessible_get_name(node.get(), nullptr));
}

}  // namespace

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

std::vector<std::string> Names(const std::vector<Node>& nodes) {
  return Each(nodes, Name);
}

std::vector<std::string> Readings(const std::vector<Node>& nodes) {
  return Each(nodes, [](const Node& node) {
    return Take(atspi_accessible_get_role_name(node.get(), nullptr)) + " " + Name(node);
  });
}

std::vector<std::string> Descriptions(const std::vector<Node>& nodes) {
  return Each(nodes, [](const Node& node) {
    return Take(atspi_accessible_get_description(node.get(), nullptr));
  });
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

void DoFirstAction(const Node& node) {
  AtspiAction* action = atspi_accessible_get_action_iface(node.get());
  ASSERT_NE(action, nullptr);
  EXPECT_TRUE(atspi_action_do_action(action, 0, nullptr));
  g_object_unref(action);
}

std::vector<Node> BoardCells(const Node& frame) {
  const std::vector<Node> areas = All(frame, ATSPI_ROLE_FILLER);
  return areas.empty() ? std::vector<Node>() : Children(areas.front());
}

std::vector<std::string> Described(const Board& board) {
  std::vector<std::string> descriptions;
  const auto size = static_cast<std::size_t>(board.Size());
  for (std::size_t i = 0; i < board.CellCount(); ++i) {
    descriptions.push_back("fila " + std::to_string(i / size + 1) + ", columna " +
                           std::to_string(i % size + 1) + ", " +
                           ColourName(board.Colour(i)).toStdString());
  }
  return descriptions;
}

void ScreenReaderTest::SetUp() {
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  const std::string home = folder_.path().toStdString();
  address_ = "unix:path=" + home + "/bus";
  QProcessEnvironment environment;
  environment.insert("PATH", "/usr/bin:/bin");
  environment.insert("HOME", folder_.path());
  environment.insert("XDG_RUNTIME_DIR", folder_.path());
  bus_ = std::make_unique<ChildProcess>(
      QStringList{LUCEN_DBUS_DAEMON, "--session", "--nofork",
                  QString::fromStdString("--address=" + address_), "--print-address=1"},
      environment, home + "/bus.address", home + "/bus.log");
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

void ScreenReaderTest::TearDown() {
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

GameOptions ScreenReaderTest::OnDesktop(const std::string& locale) const {
  GameOptions options;
  options.environment = {{"DBUS_SESSION_BUS_ADDRESS", address_},
                         {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"},
                         {"LANG", locale}};
  return options;
}

Node ScreenReaderTest::WaitForWindow(RunningGame& game, AtspiRole role, const std::string& name) {
  Node found;
  WaitUntil([&] {
    for (const Node& application : Children(desktop_)) {
      if (atspi_accessible_get_process_id(application.get(), nullptr) !=
          static_cast<guint>(game.Process().Pid())) {
        continue;
      }
      for (Node& window : Children(application)) {
        if (atspi_accessible_get_role(window.get(), nullptr) == role &&
            (name.empty() || Name(window) == name)) {
          found = std::move(window);
          return true;
        }
      }
    }
    return false;
  });
  return found;
}

}  // namespace lucen::e2e
