// Qt before X11, whose macros clash with Qt's names.
#include "main_window/board_layout.h"

#include "tests/e2e/support/game_session.h"

#include <X11/keysym.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace lucen::e2e {

namespace {

constexpr int kTwipsPerPixel = 15;

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(line);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

// The stand-in opener: one line per call, fields separated by tabs: the name it was called by,
// its process id, then each argument.
std::string OpenerScript(const std::filesystem::path& record, bool slow) {
  std::string script =
      "#!/bin/sh\n"
      "line=\"${0##*/}\t$$\"\n"
      "for argument in \"$@\"; do line=\"$line\t$argument\"; done\n"
      "printf '%s\\n' \"$line\" >> '" +
      record.string() + "'\n";
  if (slow) script += "exec sleep 30\n";
  return script;
}

void WriteExecutable(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file) << text;
  std::filesystem::permissions(file, std::filesystem::perms::owner_all |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::group_exec);
}

}  // namespace

std::string WithInherited(const std::string& name, const std::string& options) {
  const char* inherited = std::getenv(name.c_str());
  if (inherited == nullptr || *inherited == '\0') return options;
  return std::string(inherited) + ":" + options;
}

std::vector<Rect> CellRects(int size) {
  std::vector<Rect> rects(1);
  for (const TwipsRect& place : ::lucen::CellRects(size)) {
    const QRect pixels = TwipsToPixels(place);
    rects.push_back({pixels.x(), pixels.y(), pixels.width(), pixels.height()});
  }
  return rects;
}

std::string PercentDecode(const std::string& text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() &&
        std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
      decoded.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      decoded.push_back(text[i]);
    }
  }
  return decoded;
}

GameSession::GameSession(GameOptions options) {
  const std::filesystem::path home = folder_.Path() / "home";
  const std::filesystem::path runtime = folder_.Path() / "runtime";
  const std::filesystem::path openers = folder_.Path() / "bin";
  std::filesystem::create_directories(home);
  std::filesystem::create_directories(runtime);
  std::filesystem::create_directories(openers);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  record_ = folder_.Path() / "opener.log";

  server_ = std::make_unique<XvfbServer>(folder_.Path() / "xvfb.log");
  desktop_ = std::make_unique<XDesktop>(server_->DisplayName());

  std::string path = openers.string() + ":/usr/bin:/bin";
  if (options.opener == Opener::kMissing) {
    path = openers.string();  // an empty folder: no opener anywhere on PATH
  } else {
    WriteOpeners(options.opener == Opener::kSlow);
  }

  ChildProcess::Options run;
  run.argv = {options.executable.string()};
  run.argv.insert(run.argv.end(), options.arguments.begin(), options.arguments.end());
  run.environment.Set("DISPLAY", server_->DisplayName())
      .Set("HOME", home.string())
      .Set("XDG_RUNTIME_DIR", runtime.string())
      .Set("PATH", path)
      .Set("DBUS_SESSION_BUS_ADDRESS", NoSessionBus(folder_.Path()))
      .Set("ASAN_OPTIONS", WithInherited("ASAN_OPTIONS", "detect_leaks=1"))
      .Set("UBSAN_OPTIONS", WithInherited("UBSAN_OPTIONS", "print_stacktrace=1"))
      .Set("LSAN_OPTIONS", WithInherited("LSAN_OPTIONS", "suppressions=" LUCEN_LSAN_SUPPRESSIONS
                                                         ":print_suppressions=0"));
  if (options.utf8Locale) run.environment.Set("LANG", "C.UTF-8");
  scale_ = options.scale;
  if (scale_ != 1) run.environment.Set("QT_SCALE_FACTOR", std::to_string(scale_));
  for (const auto& [name, value] : options.environment) run.environment.Set(name, value);
  run.stdoutFile = folder_.Path() / "game.out";
  run.stderrFile = folder_.Path() / "game.err";
  game_ = std::make_unique<ChildProcess>(run);
}

GameSession::~GameSession() {
  game_.reset();
  // A slow opener was started detached from the game and outlives it: end each one by its id,
  // once it is known still to be the stand-in's sleep.
  for (const OpenerCall& call : OpenerCalls()) {
    const std::string command = ReadFile("/proc/" + std::to_string(call.pid) + "/cmdline");
    if (command.rfind(std::string("sleep\0"
                                  "30",
                                  8),
                      0) == 0)
      kill(call.pid, SIGKILL);
  }
  desktop_.reset();
  server_.reset();
}

void GameSession::WriteOpeners(bool slow) {
  const std::filesystem::path openers = folder_.Path() / "bin";
  for (const char* name : {"xdg-open", "xdg-email"}) {
    WriteExecutable(openers / name, OpenerScript(record_, slow));
  }
}

std::string GameSession::ErrorOutput() const {
  return ReadFile(folder_.Path() / "game.err");
}

std::string GameSession::SanitizerReport() const {
  const std::string output = ErrorOutput();
  for (const char* marker : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"}) {
    const std::size_t at = output.find(marker);
    if (at != std::string::npos) return output.substr(at, 4000);
  }
  return {};
}

std::optional<TopLevel> GameSession::WaitForWindow(
    const std::function<bool(const TopLevel&)>& wanted, std::chrono::milliseconds limit) {
  std::optional<TopLevel> found;
  WaitUntil(
      [&] {
        for (const TopLevel& window : desktop_->MappedTopLevels()) {
          if (wanted(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      limit, std::chrono::milliseconds(5));
  return found;
}

bool GameSession::WaitUntilGone(Window window, std::chrono::milliseconds limit) {
  return WaitUntil(
      [&] {
        const auto windows = desktop_->MappedTopLevels();
        return std::none_of(windows.begin(), windows.end(),
                            [&](const TopLevel& w) { return w.id == window; });
      },
      limit);
}

std::optional<TopLevel> GameSession::WaitForMainWindow() {
  auto main = WaitForWindow([](const TopLevel& w) { return w.name == "Lucen 2.0"; });
  if (main) main_ = main->id;
  return main;
}

TopLevel GameSession::PassAboutWindow() {
  const auto about = WaitForWindow([&](const TopLevel& w) {
    return w.frame.width == kAboutWidth * scale_ && w.frame.height == kAboutHeight * scale_;
  });
  if (!about) throw std::runtime_error("the about window did not appear");
  desktop_->MovePointer(about->frame.x + 5, about->frame.y + 5);
  desktop_->Focus(about->id);
  desktop_->Key(XK_a);
  const auto main = WaitForMainWindow();
  if (!main) throw std::runtime_error("the main window did not appear after the about window");
  return *main;
}

std::pair<int, int> GameSession::MailLink(const Rect& about) {
  return {about.x + 1605 / kTwipsPerPixel + 20, about.y + 4350 / kTwipsPerPixel + 7};
}

std::pair<int, int> GameSession::WebLink(const Rect& about) {
  return {about.x + 1635 / kTwipsPerPixel + 20, about.y + 4605 / kTwipsPerPixel + 7};
}

bool GameSession::MailLinkUnderlined(const Rect& about) {
  // The underline is the one row of the link that is blue all along; a row of letters never is.
  const Rect link{about.x + 1605 / kTwipsPerPixel, about.y + 4350 / kTwipsPerPixel, 150, 20};
  const Snapshot shot = desktop_->Grab(link);
  for (int y = link.y; y < link.Bottom(); ++y) {
    int run = 0;
    for (int x = link.x; x < link.Right(); ++x) {
      const Rgb p = shot.At(x, y);
      run = p.blue > 150 && p.red < 150 ? run + 1 : 0;
      if (run >= 90) return true;
    }
  }
  return false;
}

bool GameSession::SyncWithAboutWindow(const Rect& about) {
  const auto [x, y] = MailLink(about);
  desktop_->MovePointer(x, y);
  if (!WaitUntil([&] { return MailLinkUnderlined(about); }, kPatience)) return false;
  desktop_->MovePointer(about.x + 5, about.y + 5);
  return WaitUntil([&] { return !MailLinkUnderlined(about); }, kPatience);
}

Window GameSession::MainWindowId() {
  if (!main_ && !WaitForMainWindow()) throw std::runtime_error("no main window");
  return *main_;
}

int GameSession::MenuBarHeight() {
  return desktop_->Frame(MainWindowId()).height - kClientHeight * scale_;
}

Rect GameSession::ClientArea() {
  const Rect frame = desktop_->Frame(MainWindowId());
  return {frame.x, frame.Bottom() - kClientHeight * scale_, frame.width, kClientHeight * scale_};
}

std::vector<std::pair<int, int>> GameSession::MenuTitles() {
  // Read once the bar has been painted where the window now is: two titles, found the same
  // twice in a row.
  std::vector<std::pair<int, int>> titles;
  std::vector<std::pair<int, int>> previous;
  WaitUntil(
      [&] {
        previous = std::move(titles);
        titles = ReadMenuTitles();
        return titles.size() >= 2 && titles == previous;
      },
      kPatience, std::chrono::milliseconds(30));
  return titles;
}

std::vector<std::pair<int, int>> GameSession::ReadMenuTitles() {
  const Rect frame = desktop_->Frame(MainWindowId());
  const Rect bar{frame.x, frame.y, frame.width, MenuBarHeight()};
  const Snapshot shot = desktop_->Grab(bar);
  // Not yet painted there (the screen's black shows through): no titles.
  for (const int x : {bar.x, bar.Right() - 1}) {
    const Rgb p = shot.At(x, bar.y + bar.height / 2);
    if (p.red + p.green + p.blue < 3 * 160) return {};
  }
  // A column holds text when any of its pixels is dark; letters of a word are at most a few
  // pixels apart, titles much further.
  std::vector<std::pair<int, int>> titles;
  int first = -1, last = -1;
  const auto flush = [&] {
    if (first >= 0) titles.emplace_back((first + last) / 2, bar.y + bar.height / 2);
    first = last = -1;
  };
  for (int x = bar.x; x < bar.Right(); ++x) {
    bool ink = false;
    for (int y = bar.y + 1; y < bar.Bottom() - 1 && !ink; ++y) {
      const Rgb p = shot.At(x, y);
      ink = p.red + p.green + p.blue < 3 * 110;
    }
    if (!ink) continue;
    if (last >= 0 && x - last > 5) flush();
    if (first < 0) first = x;
    last = x;
  }
  flush();
  return titles;
}

void GameSession::ChooseMenuItem(int title, int downs, std::optional<int> subDowns) {
  const auto titles = MenuTitles();
  if (static_cast<int>(titles.size()) <= title) {
    throw std::runtime_error("found " + std::to_string(titles.size()) + " menu titles");
  }
  std::set<Window> before;
  for (const TopLevel& window : desktop_->MappedTopLevels()) before.insert(window.id);
  const auto isNew = [&before](const TopLevel& w) { return before.count(w.id) == 0; };

  desktop_->Click(titles[title].first, titles[title].second);
  const auto menu = WaitForWindow(isNew);
  if (!menu) throw std::runtime_error("the menu did not open");
  // It drops from the title clicked.
  if (menu->frame.x > titles[title].first || titles[title].first - menu->frame.x > 60) {
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

std::vector<Rgb> GameSession::CellColours(int size) {
  const Rect client = ClientArea();
  const Snapshot shot = desktop_->Grab(client);
  std::vector<Rgb> colours(1);
  const auto rects = CellRects(size);
  for (std::size_t i = 1; i < rects.size(); ++i) {
    const Rect& cell = rects[i];
    colours.push_back(shot.At(client.x + (cell.x + cell.width / 2) * scale_,
                              client.y + (cell.y + cell.height / 2) * scale_));
  }
  return colours;
}

void GameSession::ClickCell(int size, int index) {
  const Rect client = ClientArea();
  const Rect cell = CellRects(size).at(static_cast<std::size_t>(index));
  desktop_->Click(client.x + (cell.x + cell.width / 2) * scale_,
                  client.y + (cell.y + cell.height / 2) * scale_);
}

std::vector<Rgb> GameSession::SettledCells(int size) {
  std::vector<Rgb> last = CellColours(size);
  int sameFor = 0;
  WaitUntil(
      [&] {
        std::vector<Rgb> now = CellColours(size);
        sameFor = now == last ? sameFor + 1 : 0;
        last = std::move(now);
        return sameFor >= 4;
      },
      kPatience, std::chrono::milliseconds(40));
  return last;
}

std::vector<Rgb> GameSession::ClickCellAndSettle(int size, int index) {
  const std::vector<Rgb> before = CellColours(size);
  ClickCell(size, index);
  WaitUntil([&] { return CellColours(size) != before; }, kPatience);
  return SettledCells(size);
}

std::vector<Rgb> GameSession::WaitForCells(int size, const std::vector<Rgb>& expected) {
  std::vector<Rgb> seen;
  WaitUntil(
      [&] {
        seen = CellColours(size);
        return std::equal(seen.begin() + 1, seen.end(), expected.begin() + 1, expected.end());
      },
      kPatience);
  return seen;
}

std::vector<OpenerCall> GameSession::OpenerCalls() const {
  std::vector<OpenerCall> calls;
  std::istringstream lines(ReadFile(record_));
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields = Split(line, '\t');
    if (fields.size() < 2) continue;
    OpenerCall call;
    call.program = fields[0];
    call.pid = std::stoi(fields[1]);
    call.arguments.assign(fields.begin() + 2, fields.end());
    calls.push_back(std::move(call));
  }
  return calls;
}

std::vector<OpenerCall> GameSession::WaitForOpenerCalls(std::size_t count,
                                                        std::chrono::milliseconds limit) {
  std::vector<OpenerCall> calls;
  WaitUntil(
      [&] {
        calls = OpenerCalls();
        return calls.size() >= count;
      },
      limit);
  return calls;
}

void GameSession::SaveScreen(const std::filesystem::path& file) {
  desktop_->Grab(desktop_->ScreenRect()).SavePpm(file);
}

}  // namespace lucen::e2e
