#pragma once

#include <QUrl>

namespace lucen {

// Asks the desktop to open a document or an address with its default viewer. The game never
// waits for the viewer and ignores whether it opened; tests swap in a recorder.
class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  virtual void Open(const QUrl& url) = 0;
};

// The desktop's own opener, through Qt's desktop services.
class SystemShell final : public DesktopShell {
 public:
  void Open(const QUrl& url) override;
};

}  // namespace lucen
