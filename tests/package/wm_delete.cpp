// Asks a top-level window to close as a window manager would: a WM_DELETE_WINDOW client message.
// There is no window manager under the tests' Xvfb, and xdotool cannot send this message.
//   wm_delete WINDOW_ID
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: wm_delete WINDOW_ID\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("wm_delete: cannot open the display\n", stderr);
    return 1;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

  // Only a window that takes part in the protocol may be sent the message.
  Atom* offered = nullptr;
  int count = 0;
  bool takesPart = false;
  if (XGetWMProtocols(display, window, &offered, &count) != 0) {
    for (int i = 0; i < count; ++i) takesPart = takesPart || offered[i] == deleteWindow;
    XFree(offered);
  }
  if (!takesPart) {
    std::fprintf(stderr, "wm_delete: window %s does not accept WM_DELETE_WINDOW\n", argv[1]);
    XCloseDisplay(display);
    return 1;
  }

  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(deleteWindow);
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  XCloseDisplay(display);
  return sent != 0 ? 0 : 1;
}
