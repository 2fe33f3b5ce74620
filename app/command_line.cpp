// Parsing the command line with Qt's parser, before Qt opens the display.
#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "version_record.h"

namespace zarlin {

namespace {

struct QtOption {
  const char* name;
  const char* takes;  // what its value is, or nullptr for a flag
  const char* does;
};

// The options QApplication takes itself. They are known here so that they are no mistake, are
// read in every spelling the parser knows, and reach Qt in the one spelling it reads.
constexpr QtOption QtOptions[] = {
    {"platform", "name", "the window system to show the game on (xcb, wayland, offscreen...)"},
    {"display", "display", "the X display to show the game on"},
    {"platformpluginpath", "path", "where to look for window-system plugins"},
    {"platformtheme", "name", "the platform theme"},
    {"plugin", "name", "a further plugin to load"},
    {"qwindowgeometry", "geometry", "the main window's geometry"},
    {"qwindowicon", "icon", "the main window's icon"},
    {"qwindowtitle", "title", "the main window's title"},
    {"geometry", "geometry", "the main window's geometry (X11)"},
    {"title", "title", "the main window's title (X11)"},
    {"name", "name", "the program's name for the window manager (X11)"},
    {"session", "session", "the session to restore"},
    {"style", "style", "the widget style (Fusion, Windows...)"},
    {"stylesheet", "file", "a style sheet for the widgets"},
    {"dialogs", "kind", "xp or none: the kind of standard dialogs (Windows)"},
    {"fontengine", "engine", "the font engine (Windows)"},
    {"visual", "visual", "the X visual (X11)"},
    {"ncols", "count", "the colours of an 8-bit display (X11)"},
    {"im", "server", "the input method server (X11)"},
    {"inputstyle", "style", "the input style (X11)"},
    {"qmljsdebugger", "port", "the QML debugger"},
    {"reverse", nullptr, "lays the windows out right to left"},
    {"nograb", nullptr, "never grabs the mouse or the keyboard"},
    {"dograb", nullptr, "grabs the mouse and the keyboard even under a debugger"},
    {"sync", nullptr, "runs X11 synchronously, to debug"},
    {"widgetcount", nullptr, "counts the widgets left at the end, to debug"},
    {"testability", nullptr, "loads the testability plugin"},
    {"cmap", nullptr, "a private colour map on an 8-bit display (X11)"},
};

constexpr int UsageError = 2;

void Print(std::FILE* to, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), to);
  std::fflush(to);
}

// The parser of the game's command line; with Qt's own options listed in its help, for
// --help-all, or hidden from it.
std::unique_ptr<QCommandLineParser> MakeParser(bool listQtOptions) {
  auto parser = std::make_unique<QCommandLineParser>();
  parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser->setApplicationDescription(
      QString("%1: a memory game. The computer flashes a sequence of coloured buttons; click them "
              "back in the same order.\n\nVersion record: product %1, file version %2, product "
              "version %3, internal name \"%4\".")
          .arg(ProductName, FileVersion, ProductVersion, InternalName));
  parser->addHelpOption();
  parser->addVersionOption();
  for (const QtOption& qt : QtOptions) {
    QCommandLineOption option(qt.name, QString("Qt's option: ") + qt.does,
                              qt.takes != nullptr ? qt.takes : "");
    if (!listQtOptions) option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser->addOption(option);
  }
  return parser;
}

// Without an application object Qt cannot name the program in the usage line.
QString Usage(QCommandLineParser& parser) {
  return parser.helpText().replace("<executable_name>", "zarlin");
}

}  // namespace

std::variant<int, CommandLine> ReadCommandLine(int argc, char** argv) {
  const auto parser = MakeParser(false);
  QStringList arguments;
  arguments.reserve(argc);
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << "zarlin";

  if (!parser->parse(arguments)) {
    Print(stderr, "zarlin: " + parser->errorText() + "\n\n" + Usage(*parser));
    return UsageError;
  }
  if (parser->isSet("help-all")) {
    Print(stdout, Usage(*MakeParser(true)));
    return 0;
  }
  if (parser->isSet("help")) {
    Print(stdout, Usage(*parser));
    return 0;
  }
  if (parser->isSet("version")) {
    Print(stdout, QString("%1 %2\n").arg(ProductName, ProductVersion));
    return 0;
  }
  if (!parser->positionalArguments().isEmpty()) {
    Print(stderr, "zarlin: the game takes no file or other argument, but was given \"" +
                      parser->positionalArguments().first() + "\"\n\n" + Usage(*parser));
    return UsageError;
  }

  CommandLine read;
  read.qtArguments.push_back(arguments.first().toLocal8Bit().toStdString());
  for (const QtOption& qt : QtOptions) {
    if (!parser->isSet(qt.name)) continue;
    read.qtArguments.push_back(std::string("-") + qt.name);
    if (qt.takes == nullptr) continue;
    const std::string value = parser->values(qt.name).constLast().toLocal8Bit().toStdString();
    read.qtArguments.push_back(value);
    if (std::string_view(qt.name) == "platform") read.platform = value;
    if (std::string_view(qt.name) == "display") read.display = value;
  }
  return read;
}

}  // namespace zarlin
