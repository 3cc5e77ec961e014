// Qt before X11, whose macros clash with Qt's names.
#include "board_view/board_layout.h"
#include "board_view/window_design.h"
#include "desktop/desktop_shell.h"
#include "desktop/program_identity.h"
#include "main_window/main_window.h"
#include "secondary_windows/about_design.h"

#include <QDir>
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

// The stand-in opener: one line per call, fields separated by tabs: the name it was called by,
// its process id, then each argument. The slow one then waits until the session ends it.
void WriteOpeners(const std::filesystem::path& folder, bool slow) {
  std::string script =
      "#!/bin/sh\nline=\"${0##*/}\t$$\"\n"
      "for argument in \"$@\"; do line=\"$line\t$argument\"; done\n"
      "printf '%s\\n' \"$line\" >> '" +
      (folder / "opener.log").string() + "'\n";
  if (slow) script += "exec sleep infinity\n";
  for (const char* name : {"xdg-open", "xdg-email"}) {
    std::ofstream(folder / "bin" / name) << script;
    std::filesystem::permissions(folder / "bin" / name, std::filesystem::perms::owner_all);
  }
}

std::vector<OpenerCall> ReadOpenerCalls(const std::filesystem::path& folder) {
  std::vector<OpenerCall> calls;
  const QString log = QString::fromStdString(ReadFile(folder / "opener.log"));
  for (const QString& line : log.split('\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split('\t');
    OpenerCall call{fields[0].toStdString(), fields.value(1).toInt(), {}};
    for (qsizetype i = 2; i < fields.size(); ++i) call.arguments.push_back(fields[i].toStdString());
    calls.push_back(call);
  }
  return calls;
}

// Sanitizer options for a child: the test's own setting of `name`, if any, then `options`.
QString WithInherited(const char* name, const std::string& options) {
  const char* inherited = std::getenv(name);
  if (inherited == nullptr || *inherited == '\0') return QString::fromStdString(options);
  return QString::fromStdString(std::string(inherited) + ":" + options);
}

// Where the menu titles sit on the main window, left to right, in logical pixels from its top
// left. They come from the game's own main window built here on Qt's offscreen platform: the same
// widgets, default font (from fontconfig) and style (Fusion) as the game's on the private X
// server, so the places are Qt's own layout rather than a guess from the pixels' brightness,
// which depends on the font's rendering. The test's main keeps its own environment as plain as
// the game's for this.
// The main window as the game lays it out: the places of the menu titles, and the top of the
// client area (below the menu bar; the line of a numbered game, when shown, is below the board).
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
    MainWindowLayout found;
    for (QAction* title : bar->actions()) {
      found.menuTitles.push_back(bar->actionGeometry(title).translated(bar->pos()));
    }
    found.clientTop = form.centralWidget()->y();
    return found;
  }();
  return layout;
}
const std::vector<QRect>& MenuTitlePlaces() {
  return LaidOut().menuTitles;
}

}  // namespace

QSize AboutSize() {
  return TwipsToPixels(kAboutWindow).size();
}

QSize ClientSize() {
  return TwipsToPixels(kClientArea).size();
}

std::vector<Rect> CellPixelRects(int size) {
  std::vector<Rect> rects(1);
  for (const TwipsRect& place : ::lucen::CellRects(size)) {
    const QRect pixels = TwipsToPixels(place);
    rects.push_back({pixels.x(), pixels.y(), pixels.width(), pixels.height()});
  }
  return rects;
}

std::string LocalPath(const std::string& url) {
  const std::string scheme = "file://";
  if (url.rfind(scheme, 0) != 0) return "(not a file URL: " + url + ")";
  return QByteArray::fromPercentEncoding(QByteArray::fromStdString(url.substr(scheme.size())))
      .toStdString();
}

std::unique_ptr<ChildProcess> StartGame(const GameOptions& options,
                                        const std::filesystem::path& folder,
                                        const std::string& display) {
  const std::filesystem::path home = options.home.empty() ? folder / "home" : options.home;
  for (const auto& place : {home, folder / "runtime", folder / "bin"}) {
    std::filesystem::create_directories(place);
  }
  std::filesystem::permissions(folder / "runtime", std::filesystem::perms::owner_all);
  std::string path = (folder / "bin").string();  // an empty folder: no opener anywhere on PATH
  if (options.opener != Opener::kMissing) {
    WriteOpeners(folder, options.opener == Opener::kSlow);
    path += ":/usr/bin:/bin";
  }

  ChildProcess::Options run;
  run.argv = {options.executable.string()};
  run.argv.insert(run.argv.end(), options.arguments.begin(), options.arguments.end());
  QProcessEnvironment& environment = run.environment;
  if (!display.empty()) environment.insert("DISPLAY", QString::fromStdString(display));
  environment.insert("HOME", QString::fromStdString(home.string()));
  environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((folder / "runtime").string()));
  environment.insert("PATH", QString::fromStdString(path));
  // A socket where nothing listens: with no address at all, libdbus would start a bus daemon
  // for the child's X display that outlives the test.
  environment.insert("DBUS_SESSION_BUS_ADDRESS",
                     QString::fromStdString("unix:path=" + (folder / "no-bus").string()));
  environment.insert("ASAN_OPTIONS", WithInherited("ASAN_OPTIONS", "detect_leaks=1"));
  environment.insert("UBSAN_OPTIONS", WithInherited("UBSAN_OPTIONS", "print_stacktrace=1"));
  environment.insert("LSAN_OPTIONS",
                     WithInherited("LSAN_OPTIONS", "suppressions=" LUCEN_LSAN_SUPPRESSIONS
                                                   ":print_suppressions=0"));
  if (options.utf8Locale) environment.insert("LANG", "C.UTF-8");
  if (options.scale != 1) environment.insert("QT_SCALE_FACTOR", QString::number(options.scale));
  for (const auto& [name, value] : options.environment) {
    environment.insert(QString::fromStdString(name), QString::fromStdString(value));
  }
  run.stdoutFile = options.stdoutTo.empty() ? folder / "game.out" : options.stdoutTo;
  run.stderrFile = folder / "game.err";
  return std::make_unique<ChildProcess>(run);
}

Finished RunWithoutDisplay(const GameOptions& options) {
  QTemporaryDir folder(QDir::tempPath() + "/lucen-run-XXXXXX");
  const std::filesystem::path path = folder.path().toStdString();
  const auto status = StartGame(options, path, "")->WaitFor(kPatience);
  if (!status) throw std::runtime_error("the game is still running");
  return {*status, ReadFile(path / "game.out"), ReadFile(path / "game.err")};
}

RunningGame::RunningGame(GameOptions options)
    : folder_(QDir::tempPath() + "/lucen-e2e-XXXXXX"), scale_(options.scale) {
  server_ = std::make_unique<XvfbServer>(Path("xvfb.log"));
  desktop_ = std::make_unique<XDesktop>(server_->DisplayName());
  game_ = StartGame(options, folder_.path().toStdString(), server_->DisplayName());
}

RunningGame::~RunningGame() {
  game_.reset();
  // A slow opener was started detached from the game and outlives it: end each one by its id,
  // once it is known still to be the stand-in's sleep.
  for (const OpenerCall& call : OpenerCalls()) {
    const std::string command = ReadFile("/proc/" + std::to_string(call.pid) + "/cmdline");
    if (command == std::string("sleep\0infinity\0", 15)) kill(call.pid, SIGKILL);
  }
  desktop_.reset();
  server_.reset();
}

std::filesystem::path RunningGame::Path(const char* name) const {
  return std::filesystem::path(folder_.path().toStdString()) / name;
}

std::string RunningGame::ErrorOutput() const {
  return ReadFile(Path("game.err"));
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
    const std::function<bool(const TopLevel&)>& wanted, std::chrono::milliseconds limit) {
  std::optional<TopLevel> found;
  WaitUntil(
      [&] {
        const auto windows = desktop_->MappedTopLevels();
        const auto match = std::find_if(windows.begin(), windows.end(), wanted);
        if (match != windows.end()) found = *match;
        return found.has_value();
      },
      limit, std::chrono::milliseconds(5));
  return found;
}

bool RunningGame::WaitUntilGone(Window window) {
  return WaitUntil([&] {
    const auto windows = desktop_->MappedTopLevels();
    return std::none_of(windows.begin(), windows.end(),
                        [&](const TopLevel& w) { return w.id == window; });
  });
}

std::optional<TopLevel> RunningGame::WaitForAbout() {
  const QSize size = AboutSize() * scale_;
  return WaitForWindow([&](const TopLevel& w) {
    return w.frame.width == size.width() && w.frame.height == size.height();
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
  desktop_->MovePointer(about->frame.x + 5, about->frame.y + 5);
  desktop_->Focus(about->id);
  desktop_->Key(XK_a);
  const auto main = WaitForMainWindow();
  if (!main) throw std::runtime_error("the main window did not appear after the about window");
  return *main;
}

std::pair<int, int> RunningGame::Scaled(const Rect& window, QPoint point) const {
  return {window.x + point.x() * scale_, window.y + point.y() * scale_};
}

std::pair<int, int> RunningGame::MailLink(const Rect& about) const {
  return Scaled(about, TwipsToPixels(kMailLinkPlace).center());
}

std::pair<int, int> RunningGame::WebLink(const Rect& about) const {
  return Scaled(about, TwipsToPixels(kWebLinkPlace).center());
}

bool RunningGame::MailLinkUnderlined(const Rect& about) {
  // The underline is a row of the link that is blue for most of the link's design width; a row
  // of letters never is. The link takes the size of its text from its corner, with room for the
  // underline below the design height.
  const QRect place = TwipsToPixels(kMailLinkPlace);
  const Rect link{about.x + place.x(), about.y + place.y(), about.width - place.x() - 2,
                  place.height() + 4};
  const Snapshot shot = desktop_->Grab(link);
  for (int y = link.y; y < link.Bottom(); ++y) {
    int run = 0;
    for (int x = link.x; x < link.Right(); ++x) {
      const Rgb p = shot.At(x, y);
      run = p.blue > 150 && p.red < 150 ? run + 1 : 0;
      if (run >= place.width() * 3 / 4) return true;
    }
  }
  return false;
}

bool RunningGame::SyncWithAboutWindow(const Rect& about) {
  const auto [x, y] = MailLink(about);
  desktop_->MovePointer(x, y);
  if (!WaitUntil([&] { return MailLinkUnderlined(about); })) return false;
  desktop_->MovePointer(about.x + 5, about.y + 5);
  return WaitUntil([&] { return !MailLinkUnderlined(about); });
}

Window RunningGame::MainWindowId() {
  if (!main_ && !WaitForMainWindow()) throw std::runtime_error("no main window");
  return *main_;
}

int RunningGame::MenuBarHeight() {
  return desktop_->Frame(MainWindowId()).height - ClientSize().height() * scale_;
}

Rect RunningGame::ClientArea() {
  const Rect frame = desktop_->Frame(MainWindowId());
  const int height = ClientSize().height() * scale_;
  return {frame.x, frame.y + LaidOut().clientTop * scale_, frame.width, height};
}

void RunningGame::ChooseMenuItem(int title, int downs, std::optional<int> subDowns) {
  const auto& places = MenuTitlePlaces();
  if (static_cast<int>(places.size()) <= title) {
    throw std::runtime_error("the main window has " + std::to_string(places.size()) + " menus");
  }
  std::set<Window> before;
  for (const TopLevel& window : desktop_->MappedTopLevels()) before.insert(window.id);
  const auto isNew = [&before](const TopLevel& w) { return before.count(w.id) == 0; };

  const auto [x, y] =
      Scaled(desktop_->Frame(MainWindowId()), places[static_cast<std::size_t>(title)].center());
  desktop_->Click(x, y);
  const auto menu = WaitForWindow(isNew);
  if (!menu) throw std::runtime_error("the menu did not open");
  // It drops from the title clicked.
  if (menu->frame.x > x || x - menu->frame.x > 60 * scale_) {
    throw std::runtime_error("a menu opened away from the title clicked");
  }
  before.insert(menu->id);
  for (int i = 0; i < downs; ++i) desktop_->Key(XK_Down);
  std::optional<TopLevel> submenu;
  if (subDowns) {
    desktop_->Key(XK_Right);
    submenu = WaitForWindow(isNew);
    if (!submenu) throw std::runtime_error("the submenu did not open");
    for (int i = 0; i < *subDowns; ++i) desktop_->Key(XK_Down);
  }
  desktop_->Key(XK_Return);
  if (!WaitUntilGone(menu->id) || (submenu && !WaitUntilGone(submenu->id))) {
    throw std::runtime_error("the menu did not close");
  }
}

std::pair<int, int> RunningGame::CellCentre(const Rect& client, int size, int index) const {
  const Rect cell = CellPixelRects(size).at(static_cast<std::size_t>(index));
  return Scaled(client, {cell.x + cell.width / 2, cell.y + cell.height / 2});
}

std::vector<Rgb> RunningGame::CellColours(int size) {
  const Rect client = ClientArea();
  const Snapshot shot = desktop_->Grab(client);
  std::vector<Rgb> colours(1);
  for (int i = 1; i <= size * size; ++i) {
    const auto [x, y] = CellCentre(client, size, i);
    colours.push_back(shot.At(x, y));
  }
  return colours;
}

void RunningGame::ClickCell(int size, int index) {
  const auto [x, y] = CellCentre(ClientArea(), size, index);
  desktop_->Click(x, y);
}

std::vector<Rgb> RunningGame::WaitForCells(int size, const std::vector<Rgb>& expected) {
  std::vector<Rgb> seen;
  WaitUntil([&] {
    seen = CellColours(size);
    return std::equal(seen.begin() + 1, seen.end(), expected.begin() + 1, expected.end());
  });
  return seen;
}

std::vector<OpenerCall> RunningGame::OpenerCalls() const {
  return ReadOpenerCalls(folder_.path().toStdString());
}

std::vector<OpenerCall> RunningGame::WaitForOpenerCalls(std::size_t count) {
  std::vector<OpenerCall> calls;
  WaitUntil([&] { return (calls = OpenerCalls()).size() >= count; });
  return calls;
}

void RunningGame::SaveScreen(const std::filesystem::path& file) {
  desktop_->Grab(desktop_->ScreenRect()).image.save(QString::fromStdString(file.string()));
}

}  // namespace lucen::e2e
