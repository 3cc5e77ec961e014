#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace lucen::testing {

// While it lives, answers every modal window that opens, the about window, the win message and
// any message box alike: once the window is up, from inside its own event loop, it hands the
// window to `look` (which may read it, press keys on it or close it itself) and then closes it,
// so that no test ever waits for a person. It waits on the window's Show event, not on the clock.
// Closers nest: the newest one alive answers, and an older one answers again once it is gone.
class ModalCloser final : public QObject {
 public:
  explicit ModalCloser(std::function<void(QWidget*)> look = {}) : look_(std::move(look)) {
    Alive().push_back(this);
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~ModalCloser() override {
    QCoreApplication::instance()->removeEventFilter(this);
    std::erase(Alive(), this);
  }

  // How many windows it has answered.
  int Closed() const { return closed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWidgetType() || Alive().back() != this) {
      return false;
    }
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || !window->isModal()) return false;
    // The Show event comes before the window's loop starts; a queued call runs inside it.
    const QPointer<QWidget> shown(window);
    auto answered = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        this,
        [this, shown, answered] {
          *answered = true;
          if (shown.isNull() || !shown->isVisible()) return;
          ++closed_;
          if (look_) look_(shown);
          if (!shown.isNull() && shown->isVisible()) Close(*shown);
        },
        Qt::QueuedConnection);
    // A generous outer limit, reached only when no answer came from inside the window's loop
    // (its closer was gone by then): the window is closed all the same.
    QTimer::singleShot(std::chrono::seconds(60), window, [window, answered] {
      if (*answered || !window->isVisible()) return;
      qWarning("a modal window was left unanswered: closed");
      Close(*window);
    });
    return false;
  }

 private:
  static std::vector<ModalCloser*>& Alive() {
    static std::vector<ModalCloser*> alive;  // the newest last
    return alive;
  }
  static void Close(QWidget& window) {
    window.close();
    if (!window.isVisible()) return;
    // A message box without an escape button refuses a close; rejecting it ends it all the same.
    if (auto* dialog = qobject_cast<QDialog*>(&window)) dialog->reject();
    window.hide();
  }

  std::function<void(QWidget*)> look_;
  int closed_ = 0;
};

}  // namespace lucen::testing
