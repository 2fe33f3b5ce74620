// Parsing the command line with Qt's parser, before Qt opens the display.
#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

#include "version_record.h"

namespace zarlin {

namespace {

// The options QApplication takes itself (and removes before the game sees its arguments).
// They are known here so that they are no mistake; QApplication then acts on them.
constexpr const char* QtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title",
    "name", "style", "stylesheet", "dialogs", "fontengine", "visual", "ncols", "im", "inputstyle"};
constexpr const char* QtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount",
                                   "testability", "cmap"};

constexpr int UsageError = 2;

void Print(std::FILE* to, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), to);
  std::fflush(to);
}

}  // namespace

std::optional<int> ReadCommandLine(int argc, char** argv) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QString("%1: a memory game. The computer flashes a sequence of coloured buttons; click them "
              "back in the same order.\n\nVersion record: product %1, file version %2, product "
              "version %3, internal name \"%4\".")
          .arg(ProductName, FileVersion, ProductVersion, InternalName));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  for (const char* name : QtOptionsWithValue) {
    QCommandLineOption option(name, "Qt's own option", "value");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : QtFlags) {
    QCommandLineOption option(name, "Qt's own option");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  QStringList arguments;
  arguments.reserve(argc);
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << "zarlin";
  // Without an application object Qt cannot name the program in the usage line.
  const QString usage = parser.helpText().replace("<executable_name>", "zarlin");

  if (!parser.parse(arguments)) {
    Print(stderr, "zarlin: " + parser.errorText() + "\n\n" + usage);
    return UsageError;
  }
  if (parser.isSet(help)) {
    Print(stdout, usage);
    return 0;
  }
  if (parser.isSet(version)) {
    Print(stdout, QString("%1 %2\n").arg(ProductName, ProductVersion));
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    Print(stderr, "zarlin: the game takes no file or other argument, but was given \"" +
                      parser.positionalArguments().first() + "\"\n\n" + usage);
    return UsageError;
  }
  return std::nullopt;
}

}  // namespace zarlin
