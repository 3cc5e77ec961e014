#include "player_files/records_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <climits>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lucen {
namespace {

// How long a win waits for another copy of the game to finish writing its own.
constexpr int kLockWaitMs = 5000;
// More copies of unreadable files than this in one folder and no further one is made.
constexpr int kMostUnreadableCopies = 100;

QString BoardGroup(int size, int colourCount) {
  return QStringLiteral("%1x%1-%2").arg(size).arg(colourCount);
}

// A count 0..most written as plain decimal text, or nothing.
std::optional<int> ReadCount(const QVariant& value, int most) {
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  bool ok = false;
  const int count = value.toString().toInt(&ok, 10);
  if (!ok || count < 0 || count > most) return std::nullopt;
  return count;
}

struct FileContents {
  Records records;
  bool someUnreadable = false;
  QByteArray bytes;  // the file as it was read, to keep beside it when it held anything unreadable
  bool wholeRead = true;  // false when its bytes could not be had: it must not be written over
};

// What the file at `path` holds that can be read: for each board, "5x5-2/won" and "5x5-2/best".
FileContents ReadFile(const QString& path) {
  FileContents contents;
  QFile file(path);
  if (!file.exists()) return contents;
  // QSettings keeps what it parsed of a file for the rest of the process, parses it again only when
  // its size or time of last change differs (file times advance only with the kernel's clock tick,
  // so another copy's quick write can go unseen), and reports faults only when it parses. A copy of
  // the bytes under a name of its own is parsed afresh every time.
  if (file.open(QIODevice::ReadOnly)) contents.bytes = file.readAll();
  QTemporaryFile copy;
  if (file.error() != QFileDevice::NoError || !copy.open() ||
      copy.write(contents.bytes) != contents.bytes.size() || !copy.flush()) {
    contents.someUnreadable = true;
    contents.wholeRead = false;
    return contents;
  }
  const QSettings settings(copy.fileName(), QSettings::IniFormat);
  // A section is parsed when it is first asked about, and only then are its faults found: the
  // status is read last.
  const qsizetype keys = settings.allKeys().size();
  qsizetype known = 0;
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      const QString group = BoardGroup(size, colours);
      BoardRecord& record = contents.records.At(size, colours);
      if (settings.contains(group + "/won")) {
        ++known;
        const auto won = ReadCount(settings.value(group + "/won"), INT_MAX);
        record.won = won.value_or(0);
        contents.someUnreadable |= !won;
      }
      if (settings.contains(group + "/best")) {
        ++known;
        record.best = ReadCount(settings.value(group + "/best"), Records::kMaxResult);
        contents.someUnreadable |= !record.best;
      }
    }
  }
  contents.someUnreadable |= known != keys || settings.status() != QSettings::NoError;
  return contents;
}

// Keeps `bytes`, those of the file at `path`, beside it under the first of records.ini.unreadable,
// records.ini.unreadable-2, ... that is free, unless one of those already holds the same bytes.
bool KeepBeside(const QString& path, const QByteArray& bytes) {
  for (int copy = 1; copy <= kMostUnreadableCopies; ++copy) {
    const QString name =
        path + ".unreadable" + (copy > 1 ? QStringLiteral("-%1").arg(copy) : QString());
    QFile earlier(name);
    if (!earlier.exists()) {
      QSaveFile kept(name);
      return kept.open(QIODevice::WriteOnly) && kept.write(bytes) == bytes.size() && kept.commit();
    }
    if (earlier.open(QIODevice::ReadOnly) && earlier.readAll() == bytes) return true;
  }
  return false;
}

// Makes the latest renames in the folder of `path` last through a power cut.
void SyncFolder(const QString& path) {
#ifdef Q_OS_UNIX
  const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
#else
  Q_UNUSED(path);
#endif
}

// Writes the whole of `records` in place of the file at `path`: QSettings writes them, synced, to
// records.ini.new, which then takes the file's place in one step.
bool WriteFile(const QString& path, const Records& records) {
  const QString fresh = path + ".new";
  if (QFileInfo::exists(fresh) && !QFile::remove(fresh)) return false;
  {
    QSettings settings(fresh, QSettings::IniFormat);
    for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
      for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
        const BoardRecord& record = records.At(size, colours);
        const QString group = BoardGroup(size, colours);
        if (record.won > 0) settings.setValue(group + "/won", record.won);
        if (record.best) settings.setValue(group + "/best", *record.best);
      }
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) return false;
  }
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(fresh.toStdU16String()),
                          std::filesystem::path(path.toStdU16String()), error);
  if (error) return false;
  SyncFolder(path);
  return true;
}

}  // namespace

const QString& RecordsFile::Path() {
  if (path_.isEmpty()) {
    path_ = QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("lucen"),
                      QStringLiteral("records"))
                .fileName();
  }
  return path_;
}

RecordsReading RecordsFile::Read() {
  FileContents file = ReadFile(Path());
  file.records.Merge(unsaved_);
  return {file.records, file.someUnreadable, hasUnsaved_};
}

RecordsReading RecordsFile::AddWin(int size, int colourCount, std::optional<int> result) {
  unsaved_.AddWin(size, colourCount, result);
  hasUnsaved_ = true;
  const QString& path = Path();
  FileContents file;
  bool written = false;
  // Another copy of the game may be adding a win of its own: the file is read again and written
  // while this one holds the lock, so that neither win is lost.
  QLockFile lock(path + ".update.lock");
  if (QDir().mkpath(QFileInfo(path).absolutePath()) && lock.tryLock(kLockWaitMs)) {
    file = ReadFile(path);
    Records all = file.records;
    all.Merge(unsaved_);
    written = file.wholeRead && (!file.someUnreadable || KeepBeside(path, file.bytes)) &&
              WriteFile(path, all);
    lock.unlock();
  } else {
    file = ReadFile(path);
  }
  file.records.Merge(unsaved_);
  if (written) {
    unsaved_ = Records();
    hasUnsaved_ = false;
  }
  return {file.records, file.someUnreadable, hasUnsaved_};
}

}  // namespace lucen
