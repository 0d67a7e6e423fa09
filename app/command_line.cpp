// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace radixon {

namespace {

void printTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Without a platform chosen by hand, Qt opens the X11 or the Wayland display
// and aborts with a core dump when there is neither. A web page always has
// the browser's.
bool hasDisplay(const QCommandLineParser& parser)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_WASM)
    return parser.isSet(QStringLiteral("platform")) || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(parser);
    return true;
#endif
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("radixon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RADIXON_VERSION));
    QCommandLineParser parser;
    // Qt's options are words after one dash (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("РАДИКСОН: a tutor, in Russian, for converting whole numbers between decimal and another "
                       "radix.\nQt's generic options, such as -platform and -style, are accepted as well."));
    // Not Qt's addHelpOption: its --help-all would list the little of Qt's
    // options that an application object without a display knows.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Qt's generic options, which QApplication and its X11 platform read for
    // themselves: the parser only has to know them to let them through.
    QCommandLineOption qtValued({"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                 "qwindowicon", "qwindowtitle", "geometry", "title", "icon", "display", "name",
                                 "session", "style", "stylesheet", "qmljsdebugger"},
                                QString(), QStringLiteral("value"));
    QCommandLineOption qtFlags({"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"});
    for (QCommandLineOption* qtOption : {&qtValued, &qtFlags}) {
        qtOption->setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(*qtOption);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());

    if (!error.isEmpty() || parser.isSet(help)) {
        // The usage names the program as it was called, which Qt takes from
        // the application object.
        int count = 1;
        char* name[] = {argv[0], nullptr};
        QCoreApplication app(count, name);
        if (error.isEmpty()) {
            printTo(stdout, parser.helpText());
            return 0;
        }
        printTo(stderr, QStringLiteral("radixon: %1\n\n%2").arg(error, parser.helpText()));
        return 2;
    }
    if (parser.isSet(version)) {
        printTo(stdout, QStringLiteral("radixon %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!hasDisplay(parser)) {
        printTo(stderr, QStringLiteral("radixon: нет графического экрана, на котором можно открыть окна "
                                       "(не заданы ни DISPLAY, ни WAYLAND_DISPLAY).\n"
                                       "radixon: no display to open the windows on "
                                       "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"));
        return 1;
    }
    return std::nullopt;
}

}  // namespace radixon
