#include "program/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "texts/game_texts.h"

namespace lucen {

namespace {

// Translated texts of the command line; a class only to give them their context.
class CommandLineTexts {
  Q_DECLARE_TR_FUNCTIONS(CommandLineTexts)

 public:
  static QString Help() { return tr("Muestra esta ayuda y termina."); }
  static QString Version() { return tr("Muestra la versión y termina."); }
  static QString Game() {
    return tr("Empieza con la partida numerada <código>, por ejemplo 7x7-3-123456.");
  }
  static QString Code() { return tr("código"); }
  static QString Daily() { return tr("Empieza con la partida del día."); }
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
  static QString MissingValue(const QString& what) {
    return tr("lucen: falta el valor de «%1». Pruebe «lucen --help».").arg(what);
  }
  static QString RepeatedOption(const QString& what) {
    return tr("lucen: la opción «%1» se repite. Pruebe «lucen --help».").arg(what);
  }
  static QString GameAndDaily() {
    return tr("lucen: «--game» y «--daily» no van juntas. Pruebe «lucen --help».");
  }
  static QString PlatformNotInstalled(const QString& asked, const QString& installed) {
    return tr("lucen: plataforma no instalada: «%1». Instaladas: %2.").arg(asked, installed);
  }
  static QString NoPlatform() { return tr("ninguna"); }
  static QString WriteFailure() { return tr("lucen: no se pudo escribir la respuesta."); }
};

using Value = QtOption::Value;

// As Qt 6.4 reads them. QCoreApplication takes -qmljsdebugger; QGuiApplication the platform's
// options, the first window's (-geometry, -title and -icon too when the platform is X11),
// -plugin, -reverse, -session, -testability and -style; QApplication -stylesheet, -widgetcount
// and the obsolete -qdevel and -qdebug; the X11 platform -display, -name, -visual, -nograb and
// -dograb. Each also with two dashes.
constexpr QtOption kQtOptions[] = {{"platform", Value::kNext},
                                   {"platformpluginpath", Value::kNext},
                                   {"platformtheme", Value::kNext},
                                   {"plugin", Value::kNext},
                                   {"qwindowgeometry", Value::kNext},
                                   {"geometry", Value::kNext},
                                   {"qwindowtitle", Value::kNext},
                                   {"title", Value::kNext},
                                   {"qwindowicon", Value::kNext},
                                   {"icon", Value::kNext},
                                   {"display", Value::kNext},
                                   {"name", Value::kNext},
                                   {"visual", Value::kNext},
                                   {"session", Value::kNext},
                                   {"style", Value::kNextOrJoined},
                                   {"stylesheet", Value::kNextOrJoined},
                                   {"qmljsdebugger", Value::kNextOrJoined},
                                   {"reverse", Value::kNone},
                                   {"widgetcount", Value::kNone},
                                   {"nograb", Value::kNone},
                                   {"dograb", Value::kNone},
                                   {"testability", Value::kNone},
                                   {"qdevel", Value::kNone},
                                   {"qdebug", Value::kNone}};

// The game's own options, with their descriptions in the language installed now.
QList<QCommandLineOption> OwnOptions() {
  return {
      QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, CommandLineTexts::Help()),
      QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                         CommandLineTexts::Version()),
      QCommandLineOption({QStringLiteral("g"), QStringLiteral("game")}, CommandLineTexts::Game(),
                         CommandLineTexts::Code()),
      QCommandLineOption({QStringLiteral("d"), QStringLiteral("daily")},
                         CommandLineTexts::Daily())};
}

void AddQtOptions(QCommandLineParser& parser) {
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(QLatin1String{qt.name});
    if (qt.value != Value::kNone) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// An option's name as typed, without its dashes and any "=value".
QString OptionName(const QString& argument) {
  QString name = argument.section(QLatin1Char('='), 0, 0);
  while (name.startsWith(QLatin1Char('-'))) name.remove(0, 1);
  return name;
}

// Whether the option named `name` (without dashes) takes a value, in the game or in Qt.
bool TakesValue(const QString& name) {
  for (const QCommandLineOption& option : OwnOptions()) {
    if (option.names().contains(name)) return !option.valueName().isEmpty();
  }
  for (const QtOption& option : kQtOptions) {
    if (name == QLatin1String{option.name}) return option.value != Value::kNone;
  }
  return false;
}

// "-platform=offscreen": Qt would not see the value, and start on another platform.
bool QtValueJoined(const QString& argument) {
  const QString name = OptionName(argument);
  for (const QtOption& option : kQtOptions) {
    if (name == QLatin1String{option.name}) return option.value == Value::kNext;
  }
  return false;
}

// The name of the game's own option `name` (without dashes) stands for: "game" for "g", ..., or
// nothing when it is none of the game's.
QString OwnOptionMeant(const QString& name) {
  for (const QCommandLineOption& option : OwnOptions()) {
    if (option.names().contains(name)) return option.names().constLast();
  }
  return {};
}

// Whether an option of the command line, not the value of another one, asks for help.
bool AsksForHelp(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
    const QString& argument = arguments[i];
    if (!argument.startsWith(QLatin1Char('-')) || argument.contains(QLatin1Char('='))) continue;
    const QString name = OptionName(argument);
    if (OwnOptionMeant(name) == QLatin1String("help")) return true;
    if (TakesValue(name)) ++i;
  }
  return false;
}

// `text` with every control character written as an escape, the way a C string would show it.
QString Escaped(const QString& text) {
  QString shown;
  for (const QChar c : text) {
    if (c.category() != QChar::Other_Control && c != QChar::LineSeparator &&
        c != QChar::ParagraphSeparator) {
      shown += c;
    } else if (c == QLatin1Char('\n')) {
      shown += QStringLiteral("\\n");
    } else if (c == QLatin1Char('\t')) {
      shown += QStringLiteral("\\t");
    } else if (c == QLatin1Char('\r')) {
      shown += QStringLiteral("\\r");
    } else {
      shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
  }
  return shown;
}

CommandLine Refused(Refusal::Kind kind, const QString& what,
                    CodeError codeError = CodeError::kNotACode) {
  CommandLine refused;
  refused.request = CommandLine::Request::kRefused;
  refused.refused = {kind, what, codeError};
  return refused;
}

// A parser for the game's options; descriptions in the language installed now.
void AddOwnOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(CommandLineTexts::Description());
  parser.addOptions(OwnOptions());
}

}  // namespace

std::span<const QtOption> QtOptions() {
  return kQtOptions;
}

CommandLine ReadCommandLine(const QStringList& arguments) {
  if (AsksForHelp(arguments)) {
    CommandLine help;
    help.request = CommandLine::Request::kHelp;
    return help;
  }
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  AddOwnOptions(parser);
  AddQtOptions(parser);
  // What the parser would only call an error: a value given after "=" where Qt wants it in the
  // next argument, and a value missing (the option last, or followed by an empty argument); and
  // what it would let pass: one of the game's options twice, of which it would keep the last.
  QStringList given;
  for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
    const QString& argument = arguments[i];
    if (!argument.startsWith(QLatin1Char('-'))) continue;
    const QString meant = OwnOptionMeant(OptionName(argument));
    if (!meant.isEmpty() && given.contains(meant)) {
      return Refused(Refusal::Kind::kRepeatedOption, argument);
    }
    if (!meant.isEmpty()) given << meant;
    if (argument.contains(QLatin1Char('='))) {
      if (QtValueJoined(argument)) return Refused(Refusal::Kind::kUnknownOption, argument);
    } else if (TakesValue(OptionName(argument))) {
      if (arguments.value(++i).isEmpty()) return Refused(Refusal::Kind::kMissingValue, argument);
    }
  }
  if (!parser.parse(arguments)) {
    // The first argument that names an option nobody takes, as it was typed.
    const QString unknown = parser.unknownOptionNames().value(0);
    for (const QString& argument : arguments.mid(1)) {
      if (argument.startsWith(QLatin1Char('-')) && OptionName(argument) == unknown) {
        return Refused(Refusal::Kind::kUnknownOption, argument);
      }
    }
    return Refused(Refusal::Kind::kUnknownOption, arguments.value(1));
  }
  CommandLine answer;
  if (parser.isSet(QStringLiteral("help"))) {
    answer.request = CommandLine::Request::kHelp;
  } else if (parser.isSet(QStringLiteral("version"))) {
    answer.request = CommandLine::Request::kVersion;
  } else if (!parser.positionalArguments().isEmpty()) {
    return Refused(Refusal::Kind::kUnexpectedArgument, parser.positionalArguments().first());
  }
  if (parser.isSet(QStringLiteral("game"))) {
    const QString code = parser.value(QStringLiteral("game"));
    const auto reading = ReadGameCode(code.toStdString());
    if (const auto* error = std::get_if<CodeError>(&reading)) {
      return Refused(Refusal::Kind::kBadGameCode, code, *error);
    }
    answer.game = std::get<GameId>(reading);
  }
  answer.daily = parser.isSet(QStringLiteral("daily"));
  if (answer.game && answer.daily && answer.request == CommandLine::Request::kPlay) {
    return Refused(Refusal::Kind::kGameAndDaily, QStringLiteral("--daily"));
  }
  answer.platform = parser.value(QStringLiteral("platform"));
  answer.platformPluginPath = parser.value(QStringLiteral("platformpluginpath"));
  answer.display = parser.value(QStringLiteral("display"));
  return answer;
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

QString RefusalText(const Refusal& refusal) {
  const QString what = Escaped(refusal.what);
  switch (refusal.kind) {
    case Refusal::Kind::kUnknownOption:
      return CommandLineTexts::UnknownOption(what) + QLatin1Char('\n');
    case Refusal::Kind::kUnexpectedArgument:
      return CommandLineTexts::UnexpectedArgument(what) + QLatin1Char('\n');
    case Refusal::Kind::kMissingValue:
      return CommandLineTexts::MissingValue(what) + QLatin1Char('\n');
    case Refusal::Kind::kRepeatedOption:
      return CommandLineTexts::RepeatedOption(what) + QLatin1Char('\n');
    case Refusal::Kind::kGameAndDaily:
      return CommandLineTexts::GameAndDaily() + QLatin1Char('\n');
    case Refusal::Kind::kBadGameCode:
      return QStringLiteral("lucen: ") + CodeErrorText(refusal.codeError, what) + QLatin1Char('\n');
  }
  return {};
}

QString PlatformRefusalText(const QString& asked, const QStringList& installed) {
  return CommandLineTexts::PlatformNotInstalled(
             Escaped(asked), installed.isEmpty() ? CommandLineTexts::NoPlatform()
                                                 : installed.join(QStringLiteral(", "))) +
         QLatin1Char('\n');
}

QString WriteFailureText() {
  return CommandLineTexts::WriteFailure() + QLatin1Char('\n');
}

}  // namespace lucen
