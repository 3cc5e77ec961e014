#include "tests/e2e/support/x_desktop.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

#include <algorithm>
#include <stdexcept>

namespace lucen::e2e {

Rgb Snapshot::At(QPoint point) const {
  if (!area.contains(point)) throw std::out_of_range("Snapshot::At outside the area read");
  const QRgb pixel = image.pixel(point - area.topLeft());
  return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
          static_cast<std::uint8_t>(qBlue(pixel))};
}

XvfbServer::XvfbServer(const std::filesystem::path& logFile) {
  // Xvfb prints its display number and a newline once it accepts clients.
  const std::filesystem::path number = logFile.string() + ".display";
  QProcessEnvironment environment;
  environment.insert("PATH", "/usr/bin:/bin");
  process_ =
      std::make_unique<ChildProcess>(QStringList{LUCEN_XVFB, "-displayfd", "1", "-screen", "0",
                                                 "1024x768x24", "-nolisten", "tcp", "-noreset"},
                                     environment, number, logFile);
  std::string printed;
  WaitUntil([&] {
    printed = ReadFile(number);
    return printed.find('\n') != std::string::npos || !process_->Running();
  });
  if (printed.find('\n') == std::string::npos) {
    throw std::runtime_error("Xvfb did not start:\n" + ReadFile(logFile));
  }
  display_ = ":" + printed.substr(0, printed.find('\n'));
}

XDesktop::XDesktop(const std::string& displayName) {
  // Windows come and go while they are being looked at; a request on one that has just gone is
  // expected, not fatal.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  display_ = XOpenDisplay(displayName.c_str());
  if (display_ == nullptr) throw std::runtime_error("cannot open display " + displayName);
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    XCloseDisplay(display_);
    throw std::runtime_error("the X server has no XTEST extension");
  }
  XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  XSync(display_, False);
}

std::vector<TopLevel> XDesktop::MappedTopLevels() {
  std::vector<TopLevel> found;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
    return found;
  }
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, children[i], &attributes)) continue;
    if (attributes.map_state != IsViewable) continue;
    std::string name = Property(children[i], "_NET_WM_NAME");
    if (name.empty()) name = Property(children[i], "WM_NAME");
    found.push_back(
        {children[i], {attributes.x, attributes.y, attributes.width, attributes.height}, name});
  }
  if (children != nullptr) XFree(children);
  return found;
}

Window XDesktop::NextMapped(pid_t pid, Window except, const std::function<bool()>& gaveUp) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  pollfd connection{ConnectionNumber(display_), POLLIN, 0};
  while (std::chrono::steady_clock::now() < deadline) {
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type != MapNotify || event.xmap.override_redirect || event.xmap.window == except) {
        continue;
      }
      // _NET_WM_PID is one 32-bit item, which Xlib hands over as a long.
      const std::string owner = Property(event.xmap.window, "_NET_WM_PID");
      if (owner.size() == sizeof(long) && *reinterpret_cast<const long*>(owner.data()) == pid) {
        return event.xmap.window;
      }
    }
    if (gaveUp()) return None;
    poll(&connection, 1, 10);
  }
  return None;
}

std::string XDesktop::Property(Window window, const char* name) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string value;
  if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1024, False,
                         AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
      data != nullptr) {
    // Xlib hands 32-bit items over as longs.
    value.assign(reinterpret_cast<const char*>(data), format == 32 ? items * sizeof(long) : items);
    XFree(data);
  }
  return value;
}

QRect XDesktop::Frame(Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, window, &attributes)) return {};
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y, attributes.width, attributes.height};
}

Snapshot XDesktop::Grab(const QRect& area) {
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x(), area.y(),
                            static_cast<unsigned>(area.width()),
                            static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
  if (image == nullptr) throw std::runtime_error("XGetImage failed");
  // The private server's 24-bit screen holds each pixel in 32 bits, as QImage's RGB32 does.
  const bool rgb32 = image->bits_per_pixel == 32 && image->red_mask == 0xff0000 &&
                     image->green_mask == 0xff00 && image->blue_mask == 0xff;
  QImage pixels;
  if (rgb32) {
    pixels = QImage(reinterpret_cast<const uchar*>(image->data), area.width(), area.height(),
                    image->bytes_per_line, QImage::Format_RGB32)
                 .copy();
  }
  XDestroyImage(image);
  if (!rgb32) throw std::runtime_error("the screen is not 24-bit RGB");
  return {area, pixels};
}

void XDesktop::MovePointer(QPoint point) {
  XTestFakeMotionEvent(display_, DefaultScreen(display_), point.x(), point.y(), CurrentTime);
  XFlush(display_);
}

void XDesktop::Click(QPoint point) {
  MovePointer(point);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XFlush(display_);
}

void XDesktop::Key(unsigned long keysym, std::initializer_list<unsigned long> modifiers) {
  const auto code = [this](unsigned long sym) {
    const KeyCode key = XKeysymToKeycode(display_, sym);
    if (key == 0) throw std::runtime_error("no key produces that keysym");
    return key;
  };
  for (unsigned long modifier : modifiers) XTestFakeKeyEvent(display_, code(modifier), True, 0);
  XTestFakeKeyEvent(display_, code(keysym), True, CurrentTime);
  XTestFakeKeyEvent(display_, code(keysym), False, CurrentTime);
  for (unsigned long modifier : modifiers) XTestFakeKeyEvent(display_, code(modifier), False, 0);
  XFlush(display_);
}

bool XDesktop::RequestClose(Window window) {
  const Atom deleteWindow = XInternAtom(display_, "WM_DELETE_WINDOW", False);
  // Only a window that takes part in the protocol may be sent the message.
  Atom* offered = nullptr;
  int count = 0;
  bool takesPart = false;
  if (XGetWMProtocols(display_, window, &offered, &count) != 0) {
    takesPart = std::find(offered, offered + count, deleteWindow) != offered + count;
    XFree(offered);
  }
  if (!takesPart) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(deleteWindow);
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
  return true;
}

}  // namespace lucen::e2e

namespace lucen {

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
  return out << "rgb(" << int{colour.red} << ", " << int{colour.green} << ", " << int{colour.blue}
             << ")";
}

}  // namespace lucen
