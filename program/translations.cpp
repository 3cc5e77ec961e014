#include "program/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lucen {

void InstallTranslations(QCoreApplication& app, const QLocale& desktop) {
  auto* translator = new QTranslator(&app);
  const bool loaded = desktop.language() == QLocale::English
                          ? translator->load(QStringLiteral(":/i18n/lucen_en.qm"))
                          : translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"),
                                             QStringLiteral("_"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace lucen
