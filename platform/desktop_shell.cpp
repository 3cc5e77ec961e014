#include "platform/desktop_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QWidget>

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#endif

namespace lucen {

QUrl ShellRequestUrl(const QString& file, const QString& directory) {
  const QUrl asAddress(file, QUrl::StrictMode);
  // A one-letter scheme is a Windows drive ("C:"), not an address.
  if (asAddress.isValid() && asAddress.scheme().size() > 1) return asAddress;
  return QUrl::fromLocalFile(QDir(directory).absoluteFilePath(file));
}

void SystemShell::ShellExecuteA(QWidget* owner, const QString& operation, const QString& file,
                                const QString& parameters, const QString& directory,
                                int showCommand) {
#ifdef Q_OS_WIN
  const QByteArray op = operation.toLocal8Bit();
  const QByteArray target = file.toLocal8Bit();
  const QByteArray params = parameters.toLocal8Bit();
  const QByteArray dir = QDir::toNativeSeparators(directory).toLocal8Bit();
  HWND window = owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
  ::ShellExecuteA(window, op.constData(), target.constData(), params.constData(), dir.constData(),
                  showCommand);
#else
  // The desktop's opener takes no owner, parameters or show command; it opens in a normal window.
  Q_UNUSED(owner);
  Q_UNUSED(operation);
  Q_UNUSED(parameters);
  Q_UNUSED(showCommand);
  QDesktopServices::openUrl(ShellRequestUrl(file, directory));
#endif
}

}  // namespace lucen
