#pragma once

// Qt before X11, whose macros clash with Qt's names.
#include <QImage>
#include <QRect>

#include "tests/e2e/support/process.h"

#include <X11/Xlib.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "board/palette.h"

namespace lucen {

// Colours read off the screen, printed as test failures show them.
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

}  // namespace lucen

namespace lucen::e2e {

// A mapped child of the root window; with no window manager, that is every top-level window and
// every popup, placed in root coordinates.
struct TopLevel {
  Window id = 0;
  QRect frame;
  std::string name;  // _NET_WM_NAME when set, otherwise WM_NAME
};

// A rectangle of the screen, as read back from the X server.
struct Snapshot {
  QRect area;
  QImage image;
  // A pixel in root coordinates; it must lie inside the area.
  Rgb At(QPoint point) const;
};

// A private Xvfb server, its screen kScreen at 24 bits, reachable only through its local
// socket. It picks a free display number itself and is ended with the object.
class XvfbServer {
 public:
  static constexpr QRect kScreen{0, 0, 1024, 768};
  explicit XvfbServer(const std::filesystem::path& logFile);   // throws std::runtime_error
  const std::string& DisplayName() const { return display_; }  // ":N"

 private:
  std::unique_ptr<ChildProcess> process_;
  std::string display_;
};

// A client connection to an X server that acts as the player and the window manager: it finds
// windows, reads pixels from the screen, types and clicks through the XTEST extension and asks
// windows to close. It hears of every window mapped from its creation on.
class XDesktop {
 public:
  explicit XDesktop(const std::string& displayName);  // throws std::runtime_error
  ~XDesktop() { XCloseDisplay(display_); }
  XDesktop(const XDesktop&) = delete;
  XDesktop& operator=(const XDesktop&) = delete;

  std::vector<TopLevel> MappedTopLevels();
  // The next top-level window that process `pid` maps (by its _NET_WM_PID), other than `except`,
  // taken from the X server's map events in their order; None once `gaveUp` says so or
  // kPatience has passed. It wakes on the event itself, which makes it fit to time a start-up.
  Window NextMapped(pid_t pid, Window except, const std::function<bool()>& gaveUp);
  // A window's property `name` (WM_NAME, _NET_WM_NAME, WM_CLASS...) as bytes; empty when it has
  // none.
  std::string Property(Window window, const char* name);
  // The window's place on the root window and its size, or an empty rect if it is gone.
  QRect Frame(Window window);

  Snapshot Grab(const QRect& area);

  void MovePointer(QPoint point);
  void Click(QPoint point);  // with the left button
  // Presses and releases a key, with the modifier keys given held down around it.
  void Key(unsigned long keysym, std::initializer_list<unsigned long> modifiers = {});
  // Moves a top-level window, as a player dragging it with a window manager would.
  void MoveWindow(Window window, QPoint topLeft) {
    XMoveWindow(display_, window, topLeft.x(), topLeft.y());
    XFlush(display_);
  }
  // Gives the keyboard focus to `window`, as a click-to-focus window manager would.
  void Focus(Window window) {
    XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
    XFlush(display_);
  }
  // Asks `window` to close through WM_PROTOCOLS / WM_DELETE_WINDOW, as a window manager does;
  // false when the window does not take part in that protocol.
  bool RequestClose(Window window);

 private:
  Display* display_ = nullptr;
};

}  // namespace lucen::e2e
