#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "player_files/player_paths.h"
#include "progress/saved_game.h"

namespace lucen {

// The numbered game in play, kept between runs in a small JSON file (saved_game_json.h). Reading
// is done on the caller's thread; saving and removing are done on the background writer, so that a
// press never waits for the disk.
class SavedGameFile : public QObject {
  Q_OBJECT

 public:
  explicit SavedGameFile(QString path = SavedGamePath(), QObject* parent = nullptr);
  // Never waits: the writes already queued are still made.
  ~SavedGameFile() override;

  // The game kept, when there is one that can be resumed. A file that cannot be read or resumed is
  // set aside (its bytes kept beside it as PATH.unreadable, then it is removed) so that the next
  // start is clean. Never throws for what the disk holds.
  std::optional<SavedGame> Read();
  // Queues `saved` to be written. Only the latest of the snapshots still queued is written.
  void Save(const SavedGame& saved);
  // Queues the file's removal, after the snapshots queued before. A link stays: its target goes.
  void Remove();
  // Waits until the queued work has been done, or `msecs` have passed; true in the first case.
  bool WaitForWrites(int msecs);

  // What this object and its writes on the writer's thread share.
  struct State;

 signals:
  // On this object's thread, when writing starts failing (true: the game in play is not being
  // kept) and when it works again (false).
  void saveFailed(bool failing);

 private:
  std::shared_ptr<State> state_;
};

}  // namespace lucen
