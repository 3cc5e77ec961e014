#pragma once

#include <QByteArray>
#include <QSettings>
#include <QTemporaryFile>
#include <memory>
#include <optional>

namespace lucen {

// An INI file's bytes in a private temporary file, for QSettings to parse and change. QSettings
// keeps what it parsed of a file for the rest of the process and parses it again only when its
// size or time of change differs, so another copy's quick write could go unseen: a copy under a
// name of its own is parsed afresh every time. The file itself is read and written only with the
// safe reader and writer.
class IniCopy {
 public:
  explicit IniCopy(const QByteArray& bytes);

  // Null when the copy could not be made.
  QSettings* Settings() { return settings_.get(); }
  // Whether everything in the copy parsed (every section is parsed first, so that its faults are
  // found).
  bool WhollyParsed();
  // The copy's bytes after the changes made through Settings(); nothing when they could not be
  // written.
  std::optional<QByteArray> Changed();

 private:
  QTemporaryFile file_;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace lucen
