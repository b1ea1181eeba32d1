#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>

namespace zen::qt {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// An argument as the parser sees it. An argument that is not valid UTF-8 keeps each byte above
// 0x7F as a lone surrogate U+DC80..U+DCFF (the "surrogate escape" Python uses for file names), so
// its bytes come back exactly; valid UTF-8 never decodes to a lone surrogate, so nothing is mixed up.
QString argumentText(const char* argument) {
  const QByteArray bytes(argument);
  QString text = QString::fromUtf8(bytes);
  if (text.toUtf8() == bytes) return text;
  text.clear();
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte < 0x80 ? QChar(byte) : QChar(static_cast<char16_t>(kEscapeBase + byte));
  }
  return text;
}

std::string argumentBytes(const QString& text) {
  const bool escaped = std::any_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
  });
  if (!escaped) return text.toStdString();
  std::string bytes;
  for (const QChar c : text) {
    bytes += static_cast<char>(c.unicode() < 0x80 ? c.unicode() : c.unicode() - kEscapeBase);
  }
  return bytes;
}

// Qt's options that take a value and those that do not (QGuiApplication's, QApplication's and the
// X11 platform's). They are accepted here and left in argv, where the application object takes them.
constexpr const char* kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "style", "stylesheet", "qmljsdebugger", "display", "name", "visual",
    "geometry", "icon", "title"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

std::string usage(const QCommandLineParser& parser) {
  // Qt's help text names the program only when an application object exists; this one names it
  // as users type it.
  const QString text = parser.helpText();
  return "Usage: zentario [options]\n" + text.mid(text.indexOf(u'\n') + 1).toStdString();
}

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                            std::string_view helpSections) {
  QCommandLineParser parser;
  // Qt's options are single-dash words (-platform xcb); read them as such, not as letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "ZENTARIO (カラ-コ-ド抵抗): the colour code of four-band resistors, from the bands\n"
      "to the value and from the value to the bands."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the program's version."));
  const QCommandLineOption folder(
      QStringLiteral("folder"),
      QStringLiteral("Keep ZENTARIO.INI, and read your own ZENHELP.TXT, in <folder> instead of "
                     "$XDG_CONFIG_HOME/zentario (~/.config/zentario)."),
      QStringLiteral("folder"));
  parser.addOptions({help, version, folder});
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << argumentText(argv[i]);

  CommandLine result;
  QString mistake;
  if (!parser.parse(arguments)) {
    mistake = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    mistake = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
  }
  if (!mistake.isEmpty()) {
    err << "zentario: " << mistake.toStdString() << '\n' << usage(parser);
    result.exitStatus = 2;
    return result;
  }
  if (parser.isSet(help)) {
    out << usage(parser)
        << "\nQt's own options (-platform, -style, -display, ...) are accepted as well.\n"
        << helpSections;
    result.exitStatus = 0;
    return result;
  }
  if (parser.isSet(version)) {
    out << "zentario " << ZEN_VERSION << '\n';
    result.exitStatus = 0;
    return result;
  }
  if (parser.isSet(folder)) result.folder = argumentBytes(parser.value(folder));
  result.platformChosen = parser.isSet(QStringLiteral("platform"));
  return result;
}

}  // namespace zen::qt
