#include "player_files/ini_text.h"

#include <QList>
#include <algorithm>

namespace lucen {
namespace {

const QByteArray kGeneral = "General";

QByteArray SectionName(QByteArrayView name) {
  return name.isEmpty() ? kGeneral : name.toByteArray();
}

QByteArray Unquoted(QByteArray value) {
  if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
    return value.mid(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniText::IniText(const QByteArray& bytes) {
  QByteArray section = kGeneral;
  for (const QByteArray& text : bytes.split('\n')) {
    const QByteArray line = text.trimmed();
    Line parsed{text, section, {}, {}};
    if (line.startsWith('[') && line.endsWith(']')) {
      section = SectionName(line.mid(1, line.size() - 2).trimmed());
      parsed.section = section;
      parsed.header = true;
    } else if (const qsizetype equals = line.indexOf('=');
               equals > 0 && !line.startsWith(';') && !line.startsWith('#')) {
      parsed.key = line.left(equals).trimmed();
      parsed.value = Unquoted(line.mid(equals + 1).trimmed());
    } else if (!line.isEmpty() && !line.startsWith(';') && !line.startsWith('#')) {
      wellFormed_ = false;
    }
    lines_.push_back(std::move(parsed));
  }
  // The split leaves an empty last piece after the final line break.
  if (!lines_.empty() && lines_.back().text.isEmpty()) lines_.pop_back();
}

int IniText::KeyCount() const {
  return int(std::ranges::count_if(lines_, [](const Line& line) { return !line.key.isEmpty(); }));
}

std::vector<IniText::Line>::const_iterator IniText::Find(QByteArrayView section,
                                                         QByteArrayView key) const {
  const QByteArray name = SectionName(section);
  return std::ranges::find_if(
      lines_, [&](const Line& line) { return line.section == name && line.key == key; });
}

std::optional<QByteArray> IniText::Value(QByteArrayView section, QByteArrayView key) const {
  const auto line = Find(section, key);
  if (line == lines_.end()) return std::nullopt;
  return line->value;
}

void IniText::SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
  const QByteArray name = SectionName(section);
  Line added{key.toByteArray() + '=' + value.toByteArray(), name, key.toByteArray(),
             value.toByteArray()};
  if (const auto line = Find(section, key); line != lines_.end()) {
    lines_[std::size_t(line - lines_.begin())] = std::move(added);
    return;
  }
  // After the section's last key or its header, so that a comment or blank line after them stays
  // where it is; a section not there yet starts at the end.
  std::optional<std::size_t> after;
  for (std::size_t line = 0; line < lines_.size(); ++line) {
    if (lines_[line].section == name && (lines_[line].header || !lines_[line].key.isEmpty())) {
      after = line + 1;
    }
  }
  if (!after) {
    lines_.push_back({'[' + name + ']', name, {}, {}, true});
    after = lines_.size();
  }
  lines_.insert(lines_.begin() + std::ptrdiff_t(*after), std::move(added));
}

QByteArray IniText::Bytes() const {
  QByteArray bytes;
  for (const Line& line : lines_) bytes += line.text + '\n';
  return bytes;
}

}  // namespace lucen
