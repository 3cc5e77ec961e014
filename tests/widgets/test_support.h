#pragma once

#include <QApplication>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <functional>

#include "main_window/cell_button.h"
#include "main_window/form1.h"
#include "main_window/history_list.h"
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

// A main window past its start-up, the about window closed as a player would, not yet shown.
inline std::unique_ptr<Form1> StartedGame(DesktopShell& shell) {
  auto form = std::make_unique<Form1>(shell);
  WhenModalOpens([](QWidget* about) { about->close(); });
  form->Form_Load();
  return form;
}

// Element `index` of the main window's cell array (0 is the template).
inline CellButton* CellOf(const Form1& form, int index) {
  return form.findChild<CellButton*>(QStringLiteral("Command1_%1").arg(index));
}

// The hidden move history, entry by entry.
inline QStringList HistoryOf(const Form1& form) {
  return form.findChild<HistoryList*>(QStringLiteral("List1"))->entries();
}

// The colour at the centre of a widget as it paints itself.
inline QColor CentreColour(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace lucen::testing
