// Qt before X11, whose macros clash with Qt's names.
#include "board_view/board_layout.h"
#include "desktop/desktop_shell.h"
#include "desktop/program_identity.h"
#include "main_window/main_window.h"

#include <QMenuBar>

#include "tests/e2e/support/running_game.h"

#include <X11/keysym.h>
#include <signal.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <stdexcept>

namespace lucen::e2e {

namespace {

// The main window as the game lays it out: the places of the menu titles, left to right, and the
// top of the client area (below the menu bar; the line of a numbered game, when shown, is below
// the board), in logical pixels from its top left. They come from the game's own main window
// built here on Qt's offscreen platform: the same widgets, default font (from fontconfig) and
// style (Fusion) as the game's on the private X server, so the places are Qt's own layout rather
// than a guess from the pixels' brightness, which depends on the font's rendering. The test's
// main keeps its own environment as plain as the game's for this.
struct MainWindowLayout {
  std::vector<QRect> menuTitles;
  int clientTop = 0;
};
const MainWindowLayout& LaidOut() {
  static const MainWindowLayout layout = [] {
    struct NoShell final : DesktopShell {
      bool Open(const QUrl& /*url*/) override { return true; }
    } shell;
    MainWindow form(shell);
    form.adjustSize();
    const QMenuBar* bar = form.menuBar();
    MainWindowLayout found{{}, form.centralWidget()->y()};
    for (QAction* title : bar->actions()) {
      found.menuTitles.push_back(bar->actionGeometry(title).translated(bar->pos()));
    }
    return found;
  }();
  return layout;
}

}  // namespace

std::unique_ptr<ChildProcess> StartGame(const GameOptions& options,
                                        const std::filesystem::path& folder,
                                        const std::string& display) {
  const auto place = [&folder](const char* name) {
    std::filesystem::create_directories(folder / name);
    return QString::fromStdString((folder / name).string());
  };
  QProcessEnvironment environment = testing::PrivateFolders::Environment(
      options.playerFiles.isEmpty() ? QString::fromStdString(folder.string())
                                    : options.playerFiles);
  environment.insert("HOME", place("home"));
  environment.insert("XDG_RUNTIME_DIR", place("runtime"));
  std::filesystem::permissions(folder / "runtime", std::filesystem::perms::owner_all);
  // An empty folder of openers means no opener anywhere on PATH.
  environment.insert("PATH",
                     place("bin") + (options.opener == Opener::kMissing ? "" : ":/usr/bin:/bin"));
  if (options.opener != Opener::kMissing) {
    // The stand-in opener: one line per call, fields separated by tabs: the name it was called
    // by, its process id, then each argument. The slow one then waits until the session ends it.
    const std::string script =
        "#!/bin/sh\nline=\"${0##*/}\t$$\"\n"
        "for argument in \"$@\"; do line=\"$line\t$argument\"; done\n"
        "printf '%s\\n' \"$line\" >> '" +
        (folder / "opener.log").string() + "'\n" +
        (options.opener == Opener::kSlow ? "exec sleep infinity\n" : "");
    for (const char* name : {"xdg-open", "xdg-email"}) {
      std::ofstream(folder / "bin" / name) << script;
      std::filesystem::permissions(folder / "bin" / name, std::filesystem::perms::owner_all);
    }
  }
  if (!display.empty()) environment.insert("DISPLAY", QString::fromStdString(display));
  // A socket where nothing listens: with no address at all, libdbus would start a bus daemon
  // for the child's X display that outlives the test.
  environment.insert("DBUS_SESSION_BUS_ADDRESS",
                     QString::fromStdString("unix:path=" + (folder / "no-bus").string()));
  // The sanitizers' options: the test's own, if any, then these.
  for (const auto& [name, value] :
       {std::pair{"ASAN_OPTIONS", "detect_leaks=1"},
        {"UBSAN_OPTIONS", "print_stacktrace=1"},
        {"LSAN_OPTIONS", "suppressions=" LUCEN_LSAN_SUPPRESSIONS ":print_suppressions=0"}}) {
    const QString inherited = qEnvironmentVariable(name);
    environment.insert(name, inherited.isEmpty() ? value : inherited + ":" + value);
  }
  if (options.scale != 1) environment.insert("QT_SCALE_FACTOR", QString::number(options.scale));
  for (const auto& [name, value] : options.environment) {
    environment.insert(QString::fromStdString(name), QString::fromStdString(value));
  }
  QStringList argv{QString::fromStdString(options.executable.string())};
  for (const std::string& argument : options.arguments) argv << QString::fromStdString(argument);
  return std::make_unique<ChildProcess>(
      argv, environment, options.stdoutTo.empty() ? folder / "game.out" : options.stdoutTo,
      folder / "game.err");
}

Finished RunWithoutDisplay(const GameOptions& options) {
  QTemporaryDir folder(QDir::tempPath() + "/lucen-run-XXXXXX");
  const std::filesystem::path path = folder.path().toStdString();
  const auto status = StartGame(options, path, "")->WaitFor();
  if (!status) throw std::runtime_error("the game is still running");
  return {*status, ReadFile(path / "game.out"), ReadFile(path / "game.err")};
}

RunningGame::RunningGame(const GameOptions& options)
    : folder_(QDir::tempPath() + "/lucen-e2e-XXXXXX"),
      scale_(options.scale),
      server_(folder_.filePath("xvfb.log").toStdString()),
      desktop_(server_.DisplayName()),
      game_(StartGame(options, folder_.path().toStdString(), server_.DisplayName())) {}

RunningGame::~RunningGame() {
  game_.reset();
  // A slow opener was started detached from the game and outlives it: end each one by its id,
  // once it is known still to be the stand-in's sleep.
  for (const OpenerCall& call : OpenerCalls()) {
    const std::string command = ReadFile("/proc/" + std::to_string(call.pid) + "/cmdline");
    if (command == std::string("sleep\0infinity\0", 15)) kill(call.pid, SIGKILL);
  }
}

std::string RunningGame::SanitizerReport() const {
  const std::string output = ErrorOutput();
  for (const char* marker : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"}) {
    const std::size_t at = output.find(marker);
    if (at != std::string::npos) return output.substr(at, 4000);
  }
  return {};
}

std::optional<TopLevel> RunningGame::WaitForWindow(
    const std::function<bool(const TopLevel&)>& wanted) {
  std::optional<TopLevel> found;
  WaitUntil([&] {
    const auto windows = desktop_.MappedTopLevels();
    const auto match = std::find_if(windows.begin(), windows.end(), wanted);
    if (match != windows.end()) found = *match;
    return found.has_value();
  });
  return found;
}

bool RunningGame::WaitUntilGone(Window window) {
  return WaitUntil([&] {
    const auto windows = desktop_.MappedTopLevels();
    return std::none_of(windows.begin(), windows.end(),
                        [&](const TopLevel& w) { return w.id == window; });
  });
}

std::optional<TopLevel> RunningGame::WaitForMainWindow() {
  auto main =
      WaitForWindow([](const TopLevel& w) { return w.name == MainWindowCaption().toStdString(); });
  if (main) main_ = main->id;
  return main;
}

TopLevel RunningGame::PassAboutWindow() {
  const auto about = WaitForAbout();
  if (!about) throw std::runtime_error("the about window did not appear");
  desktop_.MovePointer(about->frame.topLeft() + QPoint(5, 5));
  desktop_.Focus(about->id);
  desktop_.Key(XK_a);
  const auto main = WaitForMainWindow();
  if (!main) throw std::runtime_error("the main window did not appear after the about window");
  return *main;
}

bool RunningGame::MailLinkUnderlined(const QRect& about) {
  // The underline is a row of the link that is blue for most of the link's design width; a row
  // of letters never is. The link takes the size of its text from its corner, with room for the
  // underline below the design height.
  const QRect place = TwipsToPixels(kMailLinkPlace);
  const QRect link(about.topLeft() + place.topLeft(),
                   QSize(about.width() - place.x() - 2, place.height() + 4));
  const Snapshot shot = desktop_.Grab(link);
  for (int y = link.top(); y <= link.bottom(); ++y) {
    int run = 0;
    for (int x = link.left(); x <= link.right(); ++x) {
      const Rgb p = shot.At({x, y});
      run = p.blue > 150 && p.red < 150 ? run + 1 : 0;
      if (run >= place.width() * 3 / 4) return true;
    }
  }
  return false;
}

bool RunningGame::SyncWithAboutWindow(const QRect& about) {
  desktop_.MovePointer(MailLink(about));
  if (!WaitUntil([&] { return MailLinkUnderlined(about); })) return false;
  desktop_.MovePointer(about.topLeft() + QPoint(5, 5));
  return WaitUntil([&] { return !MailLinkUnderlined(about); });
}

QRect RunningGame::MainFrame() {
  if (!main_ && !WaitForMainWindow()) throw std::runtime_error("no main window");
  return desktop_.Frame(*main_);
}

QRect RunningGame::ClientArea() {
  const QRect frame = MainFrame();
  return {frame.x(), frame.y() + LaidOut().clientTop * scale_, frame.width(),
          ClientSize().height() * scale_};
}

void RunningGame::ChooseMenuItem(int title, int downs, std::optional<int> subDowns) {
  std::set<Window> before;
  for (const TopLevel& window : desktop_.MappedTopLevels()) before.insert(window.id);
  const auto isNew = [&before](const TopLevel& w) { return before.count(w.id) == 0; };

  const QPoint click =
      Scaled(MainFrame(), LaidOut().menuTitles.at(static_cast<std::size_t>(title)).center());
  desktop_.Click(click);
  const auto menu = WaitForWindow(isNew);
  if (!menu) throw std::runtime_error("the menu did not open");
  // It drops from the title clicked.
  if (menu->frame.x() > click.x() || click.x() - menu->frame.x() > 60 * scale_) {
    throw std::runtime_error("a menu opened away from the title clicked");
  }
  before.insert(menu->id);
  for (int i = 0; i < downs; ++i) desktop_.Key(XK_Down);
  std::optional<TopLevel> submenu;
  if (subDowns) {
    desktop_.Key(XK_Right);
    submenu = WaitForWindow(isNew);
    if (!submenu) throw std::runtime_error("the submenu did not open");
    for (int i = 0; i < *subDowns; ++i) desktop_.Key(XK_Down);
  }
  desktop_.Key(XK_Return);
  if (!WaitUntilGone(menu->id) || (submenu && !WaitUntilGone(submenu->id))) {
    throw std::runtime_error("the menu did not close");
  }
}

QRect RunningGame::CellPlace(const QRect& client, int size, int index) const {
  const QRect cell = TwipsToPixels(CellRects(size).at(static_cast<std::size_t>(index - 1)));
  return {Scaled(client, cell.topLeft()), cell.size() * scale_};
}

std::vector<OpenerCall> RunningGame::OpenerCalls() const {
  std::vector<OpenerCall> calls;
  const QString log =
      QString::fromStdString(ReadFile(folder_.filePath("opener.log").toStdString()));
  for (const QString& line : log.split('\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split('\t');
    OpenerCall call{fields[0].toStdString(), fields.value(1).toInt(), {}};
    for (qsizetype i = 2; i < fields.size(); ++i) call.arguments.push_back(fields[i].toStdString());
    calls.push_back(call);
  }
  return calls;
}

}  // namespace lucen::e2e
