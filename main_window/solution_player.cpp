#include "main_window/solution_player.h"

#include <QCoreApplication>
#include <QEvent>

namespace lucen {

namespace {

// How long the solved board stays before the end: four steps, 0.8 s.
constexpr int kRestingSteps = 4;

}  // namespace

SolutionPlayer::SolutionPlayer(QObject* parent) : QObject(parent) {
  timer_.setInterval(kStepMs);
  connect(&timer_, &QTimer::timeout, this, &SolutionPlayer::Step);
}

void SolutionPlayer::Play(std::vector<std::size_t> route) {
  Stop();
  route_ = std::move(route);
  next_ = 0;
  marked_ = false;
  restingSteps_ = kRestingSteps;
  QCoreApplication::instance()->installEventFilter(this);
  timer_.start();
  Step();  // the first cell is marked at once
}

void SolutionPlayer::Step() {
  if (next_ < route_.size()) {
    if (marked_) {
      marked_ = false;
      emit pressCell(route_[next_++]);
    } else {
      marked_ = true;
      emit markCell(route_[next_]);
    }
  } else if (--restingSteps_ <= 0) {
    Stop();
  }
}

void SolutionPlayer::Stop() {
  if (!Playing()) return;
  timer_.stop();
  QCoreApplication::instance()->removeEventFilter(this);
  emit finished();
}

bool SolutionPlayer::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::TouchBegin:
      Stop();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lucen
