#pragma once

#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace lucen::testing {

// A temporary folder in place of the player's own: XDG_CONFIG_HOME, XDG_DATA_HOME and
// XDG_STATE_HOME name folders inside it, so that no test reads or writes the player's settings,
// records or game in play. Made, it points this process at them.
class PrivateFolders : public QTemporaryDir {
 public:
  PrivateFolders() {
    for (const char* name : kVariables) qputenv(name, filePath(name).toUtf8());
  }

  // The same folders inside `root`, as entries of a child process's environment.
  static QProcessEnvironment Environment(const QString& root) {
    QProcessEnvironment variables;
    for (const char* name : kVariables) variables.insert(name, root + '/' + name);
    return variables;
  }

 private:
  static constexpr const char* kVariables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                               "XDG_STATE_HOME"};
};

}  // namespace lucen::testing
