#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

namespace lucen {

// The text of an INI file as QSettings writes it ("[section]" headers and key=value lines), read
// and changed in memory: parsing through QSettings needs a file of its own, and a full temporary
// folder must not cost the player a setting or a record. Every line it does not change is kept
// byte for byte. Keys before any header are in the section "General", as QSettings has it.
class IniText {
 public:
  explicit IniText(const QByteArray& bytes);

  // Whether every line is a header, a key=value, a comment (";" or "#") or blank.
  bool WellFormed() const { return wellFormed_; }
  // How many key=value lines there are, in every section.
  int KeyCount() const;
  // The value of the first `key` in `section`, without surrounding blanks or quotes.
  std::optional<QByteArray> Value(QByteArrayView section, QByteArrayView key) const;
  // Changes the first `key` in `section`, or adds it after the section's last key (a new section
  // goes at the end).
  void SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
  QByteArray Bytes() const;

 private:
  struct Line {
    QByteArray text;     // as in the file, without its line break
    QByteArray section;  // the section it is in
    QByteArray key;      // empty unless it is a key=value line
    QByteArray value;
    bool header = false;
  };
  std::vector<Line>::const_iterator Find(QByteArrayView section, QByteArrayView key) const;

  std::vector<Line> lines_;
  bool wellFormed_ = true;
};

}  // namespace lucen
