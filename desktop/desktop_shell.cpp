#include "desktop/desktop_shell.h"

#include <QDesktopServices>

namespace lucen {

bool SystemShell::Open(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

}  // namespace lucen
