#include "platform/desktop_shell.h"

#include <QDesktopServices>

namespace lucen {

void SystemShell::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

}  // namespace lucen
