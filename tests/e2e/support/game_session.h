#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/process.h"
#include "tests/e2e/support/x_desktop.h"
#include "tests/e2e/support/x_server.h"

namespace lucen::e2e {

// How long anything that should happen may take before a test gives up on it. Only a guard
// against hangs: the game is far quicker, even under the sanitizers on a busy machine.
inline constexpr std::chrono::milliseconds kPatience{30'000};

// The game's fixed sizes, in pixels.
inline constexpr int kAboutWidth = 284;
inline constexpr int kAboutHeight = 420;
inline constexpr int kClientWidth = 268;
inline constexpr int kClientHeight = 267;

// Where each cell of an N x N board sits in the main window's client area, in pixels, from the
// game's own twips layout: element i is cell i (1-based, row by row); element 0 is unused.
std::vector<Rect> CellRects(int size);

// What answers the game's requests to the desktop for opening a document or an address.
enum class Opener {
  kRecording,  // stand-ins for xdg-open and xdg-email that note their arguments
  kSlow,       // the same, then they take 30 s to finish
  kMissing,    // none at all: PATH holds no opener
};

struct GameOptions {
  std::filesystem::path executable = LUCEN_EXECUTABLE;
  std::vector<std::string> arguments;  // after the program's name
  Opener opener = Opener::kRecording;
  // LANG=C.UTF-8 when set; otherwise no locale variable at all (the C locale).
  bool utf8Locale = true;
  // Device pixels per logical pixel (QT_SCALE_FACTOR); every size the session works out from
  // the game's layout is scaled by it.
  int scale = 1;
  // More variables for the game, set over those above.
  std::map<std::string, std::string> environment;
};

// One call of the stand-in opener: the name it was called by and its arguments.
struct OpenerCall {
  std::string program;
  int pid = 0;
  std::vector<std::string> arguments;
};

// The game running on a private X server of its own, in a clean environment (HOME and
// XDG_RUNTIME_DIR in a temporary folder), with a test acting as the player. Both processes are
// killed, and the folder removed, with the object.
class GameSession {
 public:
  explicit GameSession(GameOptions options = {});
  ~GameSession();
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  XDesktop& Desktop() { return *desktop_; }
  ChildProcess& Process() { return *game_; }
  const std::filesystem::path& Folder() const { return folder_.Path(); }
  // What the game has written on stderr so far.
  std::string ErrorOutput() const;
  // The first sanitizer report in that output, or nothing.
  std::string SanitizerReport() const;

  // Windows --------------------------------------------------------------------------------
  // Waits for a mapped top-level window that satisfies `wanted`.
  std::optional<TopLevel> WaitForWindow(const std::function<bool(const TopLevel&)>& wanted,
                                        std::chrono::milliseconds limit = kPatience);
  bool WaitUntilGone(Window window, std::chrono::milliseconds limit = kPatience);
  // The main window, once mapped ("Lucen 2.0").
  std::optional<TopLevel> WaitForMainWindow();
  // Closes the about window shown at start-up with a key and waits for the main window.
  TopLevel PassAboutWindow();

  // The about window --------------------------------------------------------------------------
  // The centres of the two links, in root coordinates, for an about window at `about`.
  static std::pair<int, int> MailLink(const Rect& about);
  static std::pair<int, int> WebLink(const Rect& about);
  // Makes sure the about window has handled every event sent to it so far: the pointer hovers
  // the mail link until it shows its underline, then leaves it for the window's background until
  // the underline is gone. Returns false if the window did not react.
  bool SyncWithAboutWindow(const Rect& about);
  // Whether the mail link shows its underline (the pointer is over it).
  bool MailLinkUnderlined(const Rect& about);

  // The main window ---------------------------------------------------------------------------
  Rect ClientArea();  // in root coordinates
  int MenuBarHeight();
  // The centres of the menu titles, found from the text on the menu bar, left to right, once
  // the bar shows at least two.
  std::vector<std::pair<int, int>> MenuTitles();
  // Opens menu title `title` (0: Juego, 1: Ayuda) with a click, then walks it with the keyboard:
  // `downs` presses of Down from the top, then, when `subDowns` is given, Right into the submenu
  // and that many more Downs; then Enter. Returns once every menu has closed.
  void ChooseMenuItem(int title, int downs, std::optional<int> subDowns = std::nullopt);
  // Centre colour of every cell of an N x N board (element 0 unused).
  std::vector<Rgb> CellColours(int size);
  void ClickCell(int size, int index);
  // Clicks a cell and waits until the screen shows the result: the board has changed, then has
  // stayed the same for a moment. Returns the cells then.
  std::vector<Rgb> ClickCellAndSettle(int size, int index);
  // Waits until the board shows `expected` (element 0 ignored); returns what it shows then.
  std::vector<Rgb> WaitForCells(int size, const std::vector<Rgb>& expected);
  // Waits until the screen stops changing for a moment, then returns the cells.
  std::vector<Rgb> SettledCells(int size);

  // Stand-in opener ---------------------------------------------------------------------------
  std::vector<OpenerCall> OpenerCalls() const;
  // Waits until the opener has been called `count` times in all; returns the calls so far.
  std::vector<OpenerCall> WaitForOpenerCalls(std::size_t count,
                                             std::chrono::milliseconds limit = kPatience);

  // Saves the whole screen as a PPM picture.
  void SaveScreen(const std::filesystem::path& file);

 private:
  void WriteOpeners(bool slow);
  std::vector<std::pair<int, int>> ReadMenuTitles();
  Window MainWindowId();

  TempDir folder_{"lucen-e2e"};
  std::unique_ptr<XvfbServer> server_;
  std::unique_ptr<XDesktop> desktop_;
  std::unique_ptr<ChildProcess> game_;
  std::filesystem::path record_;
  std::optional<Window> main_;
  int scale_ = 1;
};

// Sanitizer options for a child: the test's own setting of `name`, if any, then `options`.
// Leak checking is on, with the suppressions for system libraries.
std::string WithInherited(const std::string& name, const std::string& options);

// Decodes %XX escapes of a URL.
std::string PercentDecode(const std::string& text);

}  // namespace lucen::e2e
