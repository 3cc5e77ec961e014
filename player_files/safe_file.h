#pragma once

#include <QByteArray>
#include <QString>

namespace lucen {

// Reading and writing the player's files so that no disk can hang the game or lose what a file
// held: only regular files are read or written, a read takes at most a limit (kMostFileBytes
// unless told), a write never leaves a file that its reader would refuse, and it either replaces
// the whole file or leaves it as it was.

inline constexpr qint64 kMostFileBytes = 1 << 20;

struct FileReading {
  enum class Outcome {
    kMissing,     // nothing at the path (or a folder on the way is missing)
    kRead,        // `bytes` holds the whole file
    kTooLarge,    // a regular file over the limit: never read into memory
    kUnreadable,  // not a regular file, or a failed read
  };
  Outcome outcome = Outcome::kMissing;
  QByteArray bytes;
};

FileReading ReadSafely(const QString& path, qint64 most = kMostFileBytes);

// Replaces the file at `path` with `bytes` in one step, making its folder when needed. A link is
// written through to its final target, which stays a link, as editors do. Fails, leaving
// everything as it was, when `bytes` are over `most` (the file could not be read back), when the
// write fails in any way, or when the path (or the link's target) is something other than a
// regular file or a name free in an existing folder.
bool WriteSafely(const QString& path, const QByteArray& bytes, qint64 most = kMostFileBytes);

// Removes the regular file at `path`, or a link's final regular target, leaving the link: so that
// a file the player linked elsewhere is ended where it lives. True when nothing is left there.
bool RemoveSafely(const QString& path);

// Keeps `bytes`, once read from the file at `path`, beside it before it is written over: under the
// first of PATH.unreadable, PATH.unreadable-2, ... that is free, unless one of those regular files
// already holds the same bytes. False when they could not be kept (the file must not be written
// over then).
bool SetAside(const QString& path, const QByteArray& bytes);
// Renames the regular file at `path` (a link's final target) to the first of those names that is
// free, for a file too large to be read and copied. False when it could not be renamed.
bool MoveAside(const QString& path);

}  // namespace lucen
