#include "player_files/ini_copy.h"

#include <QFile>

namespace lucen {

IniCopy::IniCopy(const QByteArray& bytes) {
  if (file_.open() && file_.write(bytes) == bytes.size() && file_.flush()) {
    settings_ = std::make_unique<QSettings>(file_.fileName(), QSettings::IniFormat);
  }
}

bool IniCopy::WhollyParsed() {
  if (!settings_) return false;
  // A section is parsed when first asked about, and only then are its faults found.
  settings_->allKeys();
  return settings_->status() == QSettings::NoError;
}

std::optional<QByteArray> IniCopy::Changed() {
  if (!settings_) return std::nullopt;
  settings_->sync();
  if (settings_->status() != QSettings::NoError) return std::nullopt;
  QFile written(file_.fileName());
  if (!written.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = written.readAll();
  if (written.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

}  // namespace lucen
