#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace lucen {

// An advisory lock that copies of the game running at once take before they change a shared file,
// on PATH.lock beside it. Taking it never waits, and a copy that ends, however it ends, lets go of
// it at once.
class FileLock {
 public:
  enum class Outcome {
    kLocked,  // held by this object until it goes
    kBusy,    // held by another copy that is still running
    kCannot,  // the lock file cannot be had: not a regular file, no folder for it, ...
  };

  // Locks `path` + ".lock"; nothing is taken until TryLock().
  explicit FileLock(const QString& path);
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  Outcome TryLock();

 private:
  QString lockPath_;
#ifdef Q_OS_UNIX
  int fd_ = -1;
#else
  std::unique_ptr<QLockFile> lock_;
#endif
};

}  // namespace lucen
