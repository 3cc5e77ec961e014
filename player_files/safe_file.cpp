#include "player_files/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace lucen {
namespace {

// More copies of unreadable files than this beside one file and no further one is made.
constexpr int kMostCopiesBeside = 100;
// Links followed before a path counts as a loop.
constexpr int kMostLinks = 40;

using Outcome = FileReading::Outcome;

#ifdef Q_OS_UNIX
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Made to last through a power cut: the rename that just replaced a file in `folder`.
void SyncFolder(const QString& folder) {
  const Descriptor fd(
      ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}
#endif

// Where `path` leads once every link is followed; nothing for a loop.
std::optional<QFileInfo> FinalTarget(const QString& path) {
  QFileInfo info(path);
  int links = 0;
  while (info.isSymLink()) {
    if (++links > kMostLinks) return std::nullopt;
    info.setFile(info.symLinkTarget());
  }
  if (links > 0 && !info.absoluteDir().exists()) return std::nullopt;  // never made on a link's say
  return info;
}

// The file that writing `path` should replace: the final target of a link, or `path` itself.
// Empty when it must not be written: something other than a regular file is there, or a link leads
// into a folder that does not exist (or round in a loop).
QString WritableTarget(const QString& path) {
  const std::optional<QFileInfo> target = FinalTarget(path);
  if (!target || (target->exists() && !target->isFile())) return {};
  return target->absoluteFilePath();
}

// PATH.unreadable, PATH.unreadable-2, ...: the names for a file's unreadable bytes.
QString AsideName(const QString& path, int copy) {
  return path + ".unreadable" + (copy > 1 ? QStringLiteral("-%1").arg(copy) : QString());
}

}  // namespace

#ifdef Q_OS_UNIX
FileReading ReadSafely(const QString& path, qint64 most) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
  const Descriptor fd(
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    return {errno == ENOENT || errno == ENOTDIR ? Outcome::kMissing : Outcome::kUnreadable, {}};
  }
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
    return {Outcome::kUnreadable, {}};
  if (status.st_size > most) return {Outcome::kTooLarge, {}};
  // The size is only a hint (some kernel files show 0, a file may grow): read to the end, growing
  // the buffer up to one byte past the most.
  QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
  qsizetype total = 0;
  for (;;) {
    if (total == bytes.size()) {
      if (total > most) return {Outcome::kTooLarge, {}};
      bytes.resize(qsizetype(std::min(2 * qint64(total), most + 1)));
    }
    const ssize_t got = ::read(fd.get(), bytes.data() + total, std::size_t(bytes.size() - total));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {Outcome::kUnreadable, {}};
    if (got == 0) break;
    total += got;
  }
  bytes.truncate(total);
  return {Outcome::kRead, bytes};
}
#else
FileReading ReadSafely(const QString& path, qint64 most) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return {Outcome::kMissing, {}};
  if (!info.isFile()) return {Outcome::kUnreadable, {}};
  if (info.size() > most) return {Outcome::kTooLarge, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {Outcome::kUnreadable, {}};
  QByteArray bytes = file.read(most + 1);
  if (file.error() != QFileDevice::NoError) return {Outcome::kUnreadable, {}};
  if (bytes.size() > most) return {Outcome::kTooLarge, {}};
  return {Outcome::kRead, bytes};
}
#endif

bool WriteSafely(const QString& path, const QByteArray& bytes, qint64 most) {
  if (bytes.size() > most) return false;
  const QString target = WritableTarget(path);
  if (target.isEmpty() || !QDir().mkpath(QFileInfo(target).absolutePath())) return false;
  QSaveFile file(target);
  // Writing straight into the file would leave it half written when the disk fills.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      file.write(bytes) != bytes.size() || !file.commit()) {
    return false;  // QSaveFile drops its temporary file and leaves the target as it was
  }
#ifdef Q_OS_UNIX
  SyncFolder(QFileInfo(target).absolutePath());
#endif
  return true;
}

bool RemoveSafely(const QString& path) {
  const std::optional<QFileInfo> target = FinalTarget(path);
  if (!target) return false;
  if (!target->exists()) return true;
  return target->isFile() && QFile::remove(target->absoluteFilePath());
}

bool SetAside(const QString& path, const QByteArray& bytes) {
  for (int copy = 1; copy <= kMostCopiesBeside; ++copy) {
    const QString name = AsideName(path, copy);
    const FileReading earlier = ReadSafely(name, bytes.size());
    if (earlier.outcome == Outcome::kMissing) return WriteSafely(name, bytes, bytes.size());
    if (earlier.outcome == Outcome::kRead && earlier.bytes == bytes) return true;
    // Other bytes, or something that is not a regular file: the next name.
  }
  return false;
}

bool MoveAside(const QString& path) {
  const QString target = WritableTarget(path);
  if (target.isEmpty() || !QFileInfo(target).isFile()) return false;
  for (int copy = 1; copy <= kMostCopiesBeside; ++copy) {
    const QString name = AsideName(target, copy);
    // QFile::rename never replaces a file that is there; a dangling link counts as there too.
    if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink() && QFile::rename(target, name)) {
      return true;
    }
  }
  return false;
}

}  // namespace lucen
