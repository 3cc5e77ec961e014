#include "main_window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace lucen {

namespace {

// Translated texts of the command line; a class only to give them their context.
class CommandLineTexts {
  Q_DECLARE_TR_FUNCTIONS(CommandLineTexts)

 public:
  static QString Help() { return tr("Muestra esta ayuda y termina."); }
  static QString Version() { return tr("Muestra la versión y termina."); }
  static QString Description() {
    return tr(
        "Lucen, un rompecabezas de colores: cada clic avanza el color de una casilla y de "
        "sus vecinas; el tablero se resuelve cuando todas están en verde claro.");
  }
  static QString QtOptions() {
    return tr("Acepta también las opciones de Qt, como -display o -platform.");
  }
  static QString UnknownOption(const QString& what) {
    return tr("lucen: opción desconocida «%1». Pruebe «lucen --help».").arg(what);
  }
  static QString UnexpectedArgument(const QString& what) {
    return tr("lucen: argumento inesperado «%1». Pruebe «lucen --help».").arg(what);
  }
};

// The options that QGuiApplication, QApplication and the X11 and Wayland platforms take for
// themselves: those that Qt reads with their value in the next argument only, those that may
// also carry it after "=", and those without a value.
constexpr const char* kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                               "platformtheme",   "plugin",
                                               "qwindowgeometry", "geometry",
                                               "qwindowtitle",    "title",
                                               "qwindowicon",     "icon",
                                               "display",         "name",
                                               "visual",          "session"};
constexpr const char* kQtOptionsWithJoinedValue[] = {"style", "stylesheet", "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "sync",        "testability"};

void AddQtOptions(QCommandLineParser& parser) {
  const auto hidden = [&parser](const char* name, bool takesValue) {
    QCommandLineOption option(QLatin1String{name});
    if (takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  };
  for (const char* name : kQtOptionsWithValue) hidden(name, true);
  for (const char* name : kQtOptionsWithJoinedValue) hidden(name, true);
  for (const char* name : kQtFlags) hidden(name, false);
}

// An option's name as typed, without its dashes and any "=value".
QString OptionName(const QString& argument) {
  QString name = argument.section(QLatin1Char('='), 0, 0);
  while (name.startsWith(QLatin1Char('-'))) name.remove(0, 1);
  return name;
}

// "-platform=offscreen": Qt would not see the value, and start on another platform.
bool QtValueJoined(const QString& argument) {
  if (!argument.startsWith(QLatin1Char('-')) || !argument.contains(QLatin1Char('='))) return false;
  const QString name = OptionName(argument);
  for (const char* option : kQtOptionsWithValue) {
    if (name == QLatin1String{option}) return true;
  }
  return false;
}

// A parser for the game's options; descriptions in the language installed now.
void AddOwnOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(CommandLineTexts::Description());
  parser.addOption(
      QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, CommandLineTexts::Help()));
  parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                      CommandLineTexts::Version()));
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  AddOwnOptions(parser);
  AddQtOptions(parser);
  for (const QString& argument : arguments.mid(1)) {
    if (argument == QLatin1String("--")) break;
    if (QtValueJoined(argument)) return {CommandLine::Request::kRefused, argument, {}, {}};
  }
  if (!parser.parse(arguments)) {
    // The first argument that names an option nobody takes, as it was typed.
    const QString unknown = parser.unknownOptionNames().value(0);
    for (const QString& argument : arguments.mid(1)) {
      if (argument.startsWith(QLatin1Char('-')) && OptionName(argument) == unknown) {
        return {CommandLine::Request::kRefused, argument, {}, {}};
      }
    }
    return {CommandLine::Request::kRefused, arguments.value(1), {}, {}};
  }
  if (parser.isSet(QStringLiteral("help"))) return {CommandLine::Request::kHelp, {}, {}, {}};
  if (parser.isSet(QStringLiteral("version"))) return {CommandLine::Request::kVersion, {}, {}, {}};
  if (!parser.positionalArguments().isEmpty()) {
    return {CommandLine::Request::kRefused, parser.positionalArguments().first(), {}, {}};
  }
  CommandLine play;
  play.platform = parser.value(QStringLiteral("platform"));
  play.display = parser.value(QStringLiteral("display"));
  return play;
}

QString HelpText() {
  QCommandLineParser parser;
  AddOwnOptions(parser);
  return parser.helpText() + QLatin1Char('\n') + CommandLineTexts::QtOptions() + QLatin1Char('\n');
}

QString VersionText() {
  return QCoreApplication::applicationName() + QLatin1Char(' ') +
         QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

QString RefusalText(const QString& what) {
  return (what.startsWith(QLatin1Char('-')) ? CommandLineTexts::UnknownOption(what)
                                            : CommandLineTexts::UnexpectedArgument(what)) +
         QLatin1Char('\n');
}

}  // namespace lucen
