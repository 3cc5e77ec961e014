#pragma once

// Qt before X11, whose macros clash with Qt's names.
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board_view/window_design.h"
#include "secondary_windows/about_design.h"
#include "tests/e2e/support/process.h"
#include "tests/support/private_folders.h"

#include "tests/e2e/support/x_desktop.h"

namespace lucen::e2e {

// The game's fixed sizes, in logical pixels, from its design.
inline QSize AboutSize() {
  return TwipsToPixels(kAboutWindow).size();
}
inline QSize ClientSize() {
  return TwipsToPixels(kClientArea).size();
}

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
  // Device pixels per logical pixel (QT_SCALE_FACTOR); every size the session works out from
  // the game's layout is scaled by it.
  int scale = 1;
  // More variables for the game, set over those StartGame sets: a UTF-8 locale, unless a test
  // clears them for the C locale.
  std::map<std::string, std::string> environment{{"LANG", "C.UTF-8"}};
  // Where its standard output goes; empty: a file of the session's own.
  std::filesystem::path stdoutTo;
  // The folder of the player's files (testing::PrivateFolders' inside it), which a later game
  // may share; empty: the session's own.
  QString playerFiles;
};

// Starts a program as every test and the start-up benchmark run the game: in an environment
// built from nothing, with HOME, XDG_RUNTIME_DIR, the player's folders and the openers in
// `folder`, no session bus, DISPLAY=`display` unless that is empty, and its output in
// folder/game.out and game.err.
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
inline std::string LocalPath(const std::string& url) {
  return QUrl(QString::fromStdString(url)).toLocalFile().toStdString();
}

// The game running on a private X server of its own, with a test acting as the player. The game,
// the server and the stand-in openers are ended, and the folder removed, with the object.
class RunningGame {
 public:
  explicit RunningGame(const GameOptions& options = {});
  ~RunningGame();
  RunningGame(const RunningGame&) = delete;
  RunningGame& operator=(const RunningGame&) = delete;

  XDesktop& Desktop() { return desktop_; }
  ChildProcess& Process() { return *game_; }
  // What the game has written on stderr so far.
  std::string ErrorOutput() const { return ReadFile(folder_.filePath("game.err").toStdString()); }
  // The first sanitizer report in that output, or nothing.
  std::string SanitizerReport() const;

  // Windows --------------------------------------------------------------------------------
  // Waits for a mapped top-level window that satisfies `wanted`.
  std::optional<TopLevel> WaitForWindow(const std::function<bool(const TopLevel&)>& wanted);
  bool WaitUntilGone(Window window);
  std::optional<TopLevel> WaitForAbout() {
    return WaitForWindow([&](const TopLevel& w) { return w.frame.size() == AboutSize() * scale_; });
  }
  // The main window, once mapped (by its caption).
  std::optional<TopLevel> WaitForMainWindow();
  // Closes the about window shown at start-up with a key and waits for the main window.
  TopLevel PassAboutWindow();

  // The about window --------------------------------------------------------------------------
  // Points on the two links, in root coordinates, for an about window at `about`.
  QPoint MailLink(const QRect& about) const {
    return Scaled(about, TwipsToPixels(kMailLinkPlace).center());
  }
  QPoint WebLink(const QRect& about) const {
    return Scaled(about, TwipsToPixels(kWebLinkPlace).center());
  }
  // Makes sure the about window has handled every event sent to it so far: the pointer hovers
  // the mail link until it shows its underline, then leaves it for the window's background until
  // the underline is gone. Returns false if the window did not react.
  bool SyncWithAboutWindow(const QRect& about);

  // The main window ---------------------------------------------------------------------------
  QRect ClientArea();  // in root coordinates
  int MenuBarHeight() { return MainFrame().height() - ClientSize().height() * scale_; }
  // Opens menu title `title` (0: Juego, 1: Ayuda) with a click, then walks it with the keyboard:
  // `downs` presses of Down from the top, then, when `subDowns` is given, Right into the submenu
  // and that many more Downs; then Enter. Returns once every menu has closed.
  void ChooseMenuItem(int title, int downs, std::optional<int> subDowns = std::nullopt);
  // Where cell `index` (from 1) of an N x N board lies on the screen, for the client area
  // `client`, from the game's own twips layout.
  QRect CellPlace(const QRect& client, int size, int index) const;
  void ClickCell(int size, int index) {
    desktop_.Click(CellPlace(ClientArea(), size, index).center());
  }

  // Stand-in opener ---------------------------------------------------------------------------
  std::vector<OpenerCall> OpenerCalls() const;
  // Waits until the opener has been called `count` times in all; returns the calls so far.
  std::vector<OpenerCall> WaitForOpenerCalls(std::size_t count) {
    std::vector<OpenerCall> calls;
    WaitUntil([&] { return (calls = OpenerCalls()).size() >= count; });
    return calls;
  }

 private:
  bool MailLinkUnderlined(const QRect& about);
  QRect MainFrame();
  // A point given in logical pixels from the corner of `window`, in root coordinates.
  QPoint Scaled(const QRect& window, QPoint point) const {
    return window.topLeft() + point * scale_;
  }

  QTemporaryDir folder_;
  int scale_ = 1;
  XvfbServer server_;
  XDesktop desktop_;
  std::unique_ptr<ChildProcess> game_;
  std::optional<Window> main_;
};

}  // namespace lucen::e2e
