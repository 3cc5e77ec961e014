#include "player_files/file_lock.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#else
#include <QLockFile>
#endif

namespace lucen {

FileLock::FileLock(const QString& path) : lockPath_(path + ".lock") {}

#ifdef Q_OS_UNIX
FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

FileLock::Outcome FileLock::TryLock() {
  if (fd_ >= 0) return Outcome::kLocked;
  // O_NONBLOCK: a FIFO put in its place must not hold the game up.
  const int fd = ::open(QFile::encodeName(lockPath_).constData(),
                        O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return Outcome::kCannot;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return Outcome::kCannot;
  }
  int taken;
  do {
    taken = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (taken != 0 && errno == EINTR);
  if (taken != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? Outcome::kBusy : Outcome::kCannot;
  }
  fd_ = fd;
  return Outcome::kLocked;
}
#else
FileLock::~FileLock() = default;

FileLock::Outcome FileLock::TryLock() {
  if (lock_ && lock_->isLocked()) return Outcome::kLocked;
  if (!lock_) lock_ = std::make_unique<QLockFile>(lockPath_);
  if (lock_->tryLock(0)) return Outcome::kLocked;
  return lock_->error() == QLockFile::LockFailedError ? Outcome::kBusy : Outcome::kCannot;
}
#endif

}  // namespace lucen
