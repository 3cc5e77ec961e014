#pragma once

#include <QLocale>

class QCoreApplication;

namespace lucen {

// Puts the game in the user's language: English on an English desktop; Spanish, the game's own
// language, on every other (C and POSIX included), with Qt's own texts ("Aceptar") in Spanish
// too when Debian's Qt translations are installed. Missing translations leave the Spanish source
// texts; nothing fails.
void InstallTranslations(QCoreApplication& app, const QLocale& desktop = QLocale::system());

}  // namespace lucen
