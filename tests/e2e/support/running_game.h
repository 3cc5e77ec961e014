#pragma once

#include <QDir>
#include <QSize>
#include <QTemporaryDir>
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

namespace lucen::e2e {

// The game's fixed sizes, in logical pixels, from its design.
QSize AboutSize();
QSize ClientSize();

// Where each cell of an N x N board sits in the main window's client area, in pixels, from the
// game's own twips layout: element i is cell i (1-based, row by row); element 0 is unused.
std::vector<Rect> CellPixelRects(int size);

// What answers the game's requests to the desktop for opening a document or an address.
enum class Opener {
  kRecording,  // stand-ins for xdg-open and xdg-email that note their arguments
  kSlow,       // the same, then they never finish on their own
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
  // Where its standard output goes; empty: a file of the session's own.
  std::filesystem::path stdoutTo;
  // Its HOME, which a later game may share; empty: a folder of the session's own.
  std::filesystem::path home;
};

// Starts a program as every test and the start-up benchmark run the game: in an environment
// built from nothing, with HOME (unless given), XDG_RUNTIME_DIR and the openers in `folder`, no
// session bus, DISPLAY=`display` unless that is empty, and its output in folder/game.out and
// game.err.
std::unique_ptr<ChildProcess> StartGame(const GameOptions& options,
                                        const std::filesystem::path& folder,
                                        const std::string& display);

// The game run to its end with no display at all.
struct Finished {
  ExitStatus status;
  std::string out;
  std::string err;
};
Finished RunWithoutDisplay(const GameOptions& options);  // throws if it does not end

// One call of the stand-in opener: the name it was called by and its arguments.
struct OpenerCall {
  std::string program;
  int pid = 0;
  std::vector<std::string> arguments;
};

// The path a file:// URL names, %XX escapes decoded.
std::string LocalPath(const std::string& url);

// The game running on a private X server of its own, with a test acting as the player. The game,
// the server and the stand-in openers are ended, and the folder removed, with the object.
class RunningGame {
 public:
  explicit RunningGame(GameOptions options = {});
  ~RunningGame();
  RunningGame(const RunningGame&) = delete;
  RunningGame& operator=(const RunningGame&) = delete;

  XDesktop& Desktop() { return *desktop_; }
  ChildProcess& Process() { return *game_; }
  // What the game has written on stderr so far.
  std::string ErrorOutput() const;
  // The first sanitizer report in that output, or nothing.
  std::string SanitizerReport() const;

  // Windows --------------------------------------------------------------------------------
  // Waits for a mapped top-level window that satisfies `wanted`.
  std::optional<TopLevel> WaitForWindow(const std::function<bool(const TopLevel&)>& wanted,
                                        std::chrono::milliseconds limit = kPatience);
  bool WaitUntilGone(Window window);
  std::optional<TopLevel> WaitForAbout();
  // The main window, once mapped (its caption, "Lucen 2.0").
  std::optional<TopLevel> WaitForMainWindow();
  // Closes the about window shown at start-up with a key and waits for the main window.
  TopLevel PassAboutWindow();

  // The about window --------------------------------------------------------------------------
  // Points on the two links, in root coordinates, for an about window at `about`.
  std::pair<int, int> MailLink(const Rect& about) const;
  std::pair<int, int> WebLink(const Rect& about) const;
  // Makes sure the about window has handled every event sent to it so far: the pointer hovers
  // the mail link until it shows its underline, then leaves it for the window's background until
  // the underline is gone. Returns false if the window did not react.
  bool SyncWithAboutWindow(const Rect& about);

  // The main window ---------------------------------------------------------------------------
  Rect ClientArea();  // in root coordinates
  int MenuBarHeight();
  // Opens menu title `title` (0: Juego, 1: Ayuda) with a click, then walks it with the keyboard:
  // `downs` presses of Down from the top, then, when `subDowns` is given, Right into the submenu
  // and that many more Downs; then Enter. Returns once every menu has closed.
  void ChooseMenuItem(int title, int downs, std::optional<int> subDowns = std::nullopt);
  // Centre colour of every cell of an N x N board (element 0 unused).
  std::vector<Rgb> CellColours(int size);
  void ClickCell(int size, int index);
  // Waits until the board shows `expected` (element 0 ignored); returns what it shows then.
  std::vector<Rgb> WaitForCells(int size, const std::vector<Rgb>& expected);

  // Stand-in opener ---------------------------------------------------------------------------
  std::vector<OpenerCall> OpenerCalls() const;
  // Waits until the opener has been called `count` times in all; returns the calls so far.
  std::vector<OpenerCall> WaitForOpenerCalls(std::size_t count);

  // Saves the whole screen as a picture, of the type the file's name says.
  void SaveScreen(const std::filesystem::path& file);

 private:
  bool MailLinkUnderlined(const Rect& about);
  Window MainWindowId();
  std::filesystem::path Path(const char* name) const;
  // A point given in logical pixels from the corner of `window`, in root coordinates.
  std::pair<int, int> Scaled(const Rect& window, QPoint point) const;
  std::pair<int, int> CellCentre(const Rect& client, int size, int index) const;

  QTemporaryDir folder_;
  std::unique_ptr<XvfbServer> server_;
  std::unique_ptr<XDesktop> desktop_;
  std::unique_ptr<ChildProcess> game_;
  std::optional<Window> main_;
  int scale_ = 1;
};

}  // namespace lucen::e2e
