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
  HWND window = owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
  const QString dir = QDir::toNativeSeparators(directory);
  const auto ansiSafe = [](const QString& text) {
    return QString::fromLocal8Bit(text.toLocal8Bit()) == text;
  };
  if (ansiSafe(operation) && ansiSafe(file) && ansiSafe(parameters) && ansiSafe(dir)) {
    ::ShellExecuteA(window, operation.toLocal8Bit().constData(), file.toLocal8Bit().constData(),
                    parameters.toLocal8Bit().constData(), dir.toLocal8Bit().constData(),
                    showCommand);
  } else {
    // A folder name outside the ANSI code page would reach the shell garbled; the wide call
    // hands it over intact.
    ::ShellExecuteW(window, reinterpret_cast<LPCWSTR>(operation.utf16()),
                    reinterpret_cast<LPCWSTR>(file.utf16()),
                    reinterpret_cast<LPCWSTR>(parameters.utf16()),
                    reinterpret_cast<LPCWSTR>(dir.utf16()), showCommand);
  }
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
