// SPDX-License-Identifier: GPL-3.0-or-later
// The installed program's command line, run as a shell runs it and with no
// display at all: what it prints, where, and the exit status.
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct Invocation {
    const char* name;
    QStringList arguments;
    int status;       // -1: still running, the tutor started
    const char* out;  // a pattern standard output matches
    const char* err;  // a pattern standard error matches
};

const Invocation Invocations[] = {
    {"version", {"--version"}, 0, "^radixon " RADIXON_VERSION "\n$", "^$"},
    {"short version", {"-v"}, 0, "^radixon " RADIXON_VERSION "\n$", "^$"},
    {"help", {"--help"}, 0, "^Usage: \\S*radixon \\[options\\]\n.*-h, --help.*-v, --version", "^$"},
    {"short help", {"-h"}, 0, "^Usage: ", "^$"},
    {"Qt's options with ours",
     {"-platform", "offscreen", "-style", "Fusion", "-reverse", "--version"},
     0,
     "^radixon ",
     "^$"},
    {"unknown option", {"--fullscreen"}, 2, "^$", "^radixon: Unknown option 'fullscreen'.\n\nUsage: "},
    {"unknown short option", {"-x"}, 2, "^$", "Unknown option 'x'.*Usage: "},
    {"argument", {"tasks.txt"}, 2, "^$", "^radixon: Unexpected argument 'tasks.txt'.\n\nUsage: "},
    {"Qt's option without its value", {"-platform"}, 2, "^$", "Missing value after '-platform'"},
    {"no display", {}, 1, "^$", "^radixon: нет графического экрана.*\nradixon: no display to open the windows on"},
    // -platform reaches QApplication: without it Qt would try X11 and abort.
    {"platform chosen by hand", {"-platform", "offscreen", "-style", "Fusion"}, -1, "", ""},
};

void PrintTo(const Invocation& run, std::ostream* out)
{
    *out << run.name;
}

class CommandLine : public ::testing::TestWithParam<Invocation> {};

TEST_P(CommandLine, AnswersWithoutADisplay)
{
    const Invocation& run = GetParam();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RADIXON_PROGRAM), run.arguments);
    ASSERT_TRUE(program.waitForStarted());
    const bool finished = program.waitForFinished(run.status < 0 ? 3000 : 30000);
    if (run.status < 0) {
        EXPECT_FALSE(finished) << "ended with status " << program.exitCode() << ": "
                               << program.readAllStandardError().toStdString();
        program.kill();
        program.waitForFinished();
        return;
    }
    ASSERT_TRUE(finished);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), run.status);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    const auto matches = [](const QString& text, const char* pattern) {
        return QRegularExpression(QString::fromUtf8(pattern), QRegularExpression::DotMatchesEverythingOption)
            .match(text)
            .hasMatch();
    };
    EXPECT_TRUE(matches(out, run.out)) << "standard output:\n" << out.toStdString();
    EXPECT_TRUE(matches(err, run.err)) << "standard error:\n" << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, CommandLine, ::testing::ValuesIn(Invocations), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

}  // namespace
