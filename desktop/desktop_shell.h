#pragma once

#include <QUrl>

namespace lucen {

// Asks the desktop to open a document or an address with its default viewer, and says whether
// the desktop took the request (it has an opener, and the opener started). The game never waits
// for the viewer; tests swap in a recorder.
class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  virtual bool Open(const QUrl& url) = 0;
};

// The desktop's own opener, through Qt's desktop services.
class SystemShell final : public DesktopShell {
 public:
  bool Open(const QUrl& url) override;
};

}  // namespace lucen
