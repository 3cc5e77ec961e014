#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace lucen {

// The desktop shell: asks the desktop to open a document or address with its default viewer.
// The game never waits for the viewer and ignores whether it opened; tests swap in a recorder.
class DesktopShell {
 public:
  virtual ~DesktopShell() = default;

  // Same arguments as the Windows shell call of that name: owner window, operation ("Open"), the
  // file or address, parameters, working directory and show command (1 = normal window).
  virtual void ShellExecuteA(QWidget* owner, const QString& operation, const QString& file,
                             const QString& parameters, const QString& directory,
                             int showCommand) = 0;
};

// The real shell: ShellExecuteA on Windows, the desktop's opener elsewhere.
class SystemShell final : public DesktopShell {
 public:
  void ShellExecuteA(QWidget* owner, const QString& operation, const QString& file,
                     const QString& parameters, const QString& directory, int showCommand) override;
};

// What the desktop's opener is given for `file` in `directory`: an address with a scheme
// ("mailto:", "http://") as it stands, anything else as a local file URL, so that spaces and
// accents in a path reach the opener intact and nothing is ever pasted into a command line.
QUrl ShellRequestUrl(const QString& file, const QString& directory);

}  // namespace lucen
