#pragma once

#include <QObject>
#include <QTimer>
#include <cstddef>
#include <vector>

namespace lucen {

// Plays a route of presses for the player to watch: each cell is marked, then pressed a moment
// later, so that the presses come about 0.4 s apart; after the last one the solved board stays a
// little while. Any click or key anywhere in the program stops it at once, and goes on to where it
// was aimed.
class SolutionPlayer : public QObject {
  Q_OBJECT

 public:
  explicit SolutionPlayer(QObject* parent = nullptr);

  void Play(std::vector<std::size_t> route);
  // Stops at once; nothing happens when nothing plays.
  void Stop();
  bool Playing() const { return timer_.isActive(); }

  static constexpr int kStepMs =
      200;  // from a mark to its press, and from a press to the next mark

 signals:
  void markCell(std::size_t cell);
  void pressCell(std::size_t cell);
  // The route is over, played to its end or stopped.
  void finished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Step();

  QTimer timer_;
  std::vector<std::size_t> route_;
  std::size_t next_ = 0;
  bool marked_ = false;
  int restingSteps_ = 0;  // left to show the solved board
};

}  // namespace lucen
