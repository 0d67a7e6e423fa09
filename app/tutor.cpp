// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutor.h"

#include "command_line.h"
#include "controls.h"
#include "program.h"
#include "qt_dialogs.h"
#include "qt_versions.h"
#include "web_page.h"

#include <QApplication>

namespace radixon {

int runTutor(int argc, char* argv[], const std::function<void(QWidget&)>& started)
{
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    qt::scaleToTheScreen();
    QApplication app(argc, argv);
    setupApplication(app);
    // The last window is only ever hidden; End is what quits.
    app.setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    ClockRandom random;
#ifdef Q_OS_WASM
    // A web page does not end: the windows are hidden, and the page says so.
    Program program(dialogs, random, web::showEndPage);
#else
    Program program(dialogs, random, [] { QCoreApplication::quit(); });
#endif
    program.start();
    if (started)
        started(program.forms.form(FormId::Form1));
    return app.exec();
}

}  // namespace radixon
