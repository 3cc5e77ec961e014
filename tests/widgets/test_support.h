#pragma once

#include <QApplication>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <functional>

#include "platform/desktop_shell.h"

namespace lucen::testing {

// Stands in for the desktop shell and remembers every request.
class RecordingShell final : public DesktopShell {
 public:
  struct Request {
    QWidget* owner;
    QString operation, file, parameters, directory;
    int showCommand;
  };
  QVector<Request> requests;

  void ShellExecuteA(QWidget* owner, const QString& operation, const QString& file,
                     const QString& parameters, const QString& directory,
                     int showCommand) override {
    requests.append({owner, operation, file, parameters, directory, showCommand});
  }
};

// Hands the next modal window to `handle` once it is open, from inside its own event loop. The
// handler is expected to close it; should it not, the window is closed after five seconds anyway
// and `*timedOut` set, so that no test ever waits for a person.
inline void WhenModalOpens(std::function<void(QWidget*)> handle, bool* timedOut = nullptr) {
  auto* timer = new QTimer;
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, ticks, handle, timedOut] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      handle(modal);
      if (modal->isVisible()) {
        QTimer::singleShot(5000, modal, [modal, timedOut] {
          if (timedOut) *timedOut = true;
          modal->close();
        });
      }
    } else if (++*ticks > 500) {
      timer->stop();
      timer->deleteLater();
      if (timedOut) *timedOut = true;
    }
  });
  timer->start(10);
}

// The colour at the centre of a widget as it paints itself.
inline QColor CentreColour(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace lucen::testing
