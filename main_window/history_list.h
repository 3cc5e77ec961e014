#pragma once

#include <QStringList>
#include <QWidget>

namespace lucen {

// The move history's list box: one text entry per move, appended and cleared, never shown. A
// plain widget rather than a list view, since nothing ever draws or scrolls it; the full view
// machinery would cost every start for a control the player cannot see.
class HistoryList final : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryList(QWidget* parent = nullptr) : QWidget(parent) {}

  void addItem(const QString& entry) { entries_.append(entry); }
  void clear() { entries_.clear(); }
  int count() const { return static_cast<int>(entries_.size()); }
  const QStringList& entries() const { return entries_; }

 private:
  QStringList entries_;
};

}  // namespace lucen
