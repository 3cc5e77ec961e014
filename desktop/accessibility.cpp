#include "desktop/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace lucen {

namespace {

class LinkReading final : public QAccessibleWidget {
 public:
  LinkReading(QLabel* label, std::function<void()> press)
      : QAccessibleWidget(label, QAccessible::Link), press_(std::move(press)) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return static_cast<const QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      QTimer::singleShot(0, widget(), press_);  // a click may open a modal window
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  std::function<void()> press_;
};

class ShownChildrenReading final : public QAccessibleWidget {
 public:
  ShownChildrenReading(QWidget* container, QWidget* covered)
      : QAccessibleWidget(container), covered_(covered) {}

  int childCount() const override { return static_cast<int>(Listed().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QObject*> listed = Listed();
    return index >= 0 && index < listed.size()
               ? QAccessible::queryAccessibleInterface(listed[index])
               : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr ? static_cast<int>(Listed().indexOf(child->object())) : -1;
  }

 private:
  QList<QObject*> Listed() const {
    QList<QObject*> listed;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child != nullptr && child != covered_ && !child->isWindow() &&
          child->isVisibleTo(widget())) {
        listed.append(child);
      }
    }
    return listed;
  }

  QPointer<QWidget> covered_;
};

// Hands `reading` to Qt as its widget's interface for the widget's whole life, dropping the one
// Qt made for it before (a label makes one as soon as it gets its text).
void Install(QAccessibleInterface* reading) {
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(reading->object())) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
  QAccessible::registerAccessibleInterface(reading);
}

}  // namespace

void PresentAsLink(QLabel* label, std::function<void()> press) {
  Install(new LinkReading(label, std::move(press)));
}

void ListShownChildrenOnly(QWidget* container, QWidget* covered) {
  Install(new ShownChildrenReading(container, covered));
}

}  // namespace lucen
