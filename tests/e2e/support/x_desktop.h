#pragma once

#include <X11/Xlib.h>

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "board/palette.h"

namespace lucen {

// Colours read off the screen, printed as test failures show them.
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

}  // namespace lucen

namespace lucen::e2e {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int Right() const { return x + width; }    // one past the last column
  int Bottom() const { return y + height; }  // one past the last row
  friend bool operator==(const Rect&, const Rect&) = default;
};
std::ostream& operator<<(std::ostream& out, const Rect& rect);

// A mapped child of the root window; with no window manager, that is every top-level window and
// every popup, placed in root coordinates.
struct TopLevel {
  Window id = 0;
  Rect frame;
  std::string name;  // _NET_WM_NAME when set, otherwise WM_NAME
};

// A rectangle of the screen, as read back from the X server.
class Snapshot {
 public:
  Snapshot(Rect area, std::vector<Rgb> pixels) : area_(area), pixels_(std::move(pixels)) {}
  const Rect& Area() const { return area_; }
  // A pixel in root coordinates; it must lie inside the area.
  Rgb At(int x, int y) const;
  bool operator==(const Snapshot& other) const {
    return area_ == other.area_ && pixels_ == other.pixels_;
  }
  // Writes a binary PPM picture, for looking at a failure.
  void SavePpm(const std::filesystem::path& file) const;

 private:
  Rect area_;
  std::vector<Rgb> pixels_;
};

// A client connection to an X server that acts as the player: it finds windows, reads pixels
// from the screen and types and clicks through the XTEST extension.
class XDesktop {
 public:
  explicit XDesktop(const std::string& displayName);  // throws std::runtime_error
  ~XDesktop();
  XDesktop(const XDesktop&) = delete;
  XDesktop& operator=(const XDesktop&) = delete;

  Rect ScreenRect() const;

  std::vector<TopLevel> MappedTopLevels();
  // Both names a window may carry: the legacy WM_NAME and the UTF-8 _NET_WM_NAME.
  std::string WmName(Window window);
  std::string NetWmName(Window window);
  // The window's place on the root window and its size, or an empty rect if it is gone.
  Rect Frame(Window window);

  Snapshot Grab(const Rect& area);
  Rgb PixelAt(int x, int y) { return Grab({x, y, 1, 1}).At(x, y); }

  void MovePointer(int x, int y);
  void Click(int x, int y, unsigned button = 1);
  // Presses and releases the key that produces `keysym`.
  // Presses and releases a key, with the modifier keys given held down around it.
  void Key(unsigned long keysym, std::initializer_list<unsigned long> modifiers = {});
  // Moves a top-level window, as a player dragging it with a window manager would.
  void MoveWindow(Window window, int x, int y);
  // Gives the keyboard focus to `window`, as a click-to-focus window manager would.
  void Focus(Window window);
  // Asks `window` to close through WM_PROTOCOLS / WM_DELETE_WINDOW, as a window manager does.
  void RequestClose(Window window);

 private:
  std::string StringProperty(Window window, Atom property);

  Display* display_ = nullptr;
};

}  // namespace lucen::e2e
