#include "program/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lucen {

namespace {

// Installs the translation `file` (in `folder`) on the application; a missing one changes nothing.
void Install(QCoreApplication& app, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (translator->load(file, folder)) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

void InstallTranslations(QCoreApplication& app, const QLocale& desktop) {
  if (desktop.language() == QLocale::English) {
    Install(app, QStringLiteral("lucen_en.qm"), QStringLiteral(":/i18n"));
    return;
  }
  Install(app, QStringLiteral("qtbase_es.qm"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  Install(app, QStringLiteral("lucen_es.qm"), QStringLiteral(":/i18n"));  // the plural forms
}

}  // namespace lucen
