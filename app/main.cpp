#include "controls.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    radixon::setupApplication(app);
    // The last window is only ever hidden; End is what quits.
    app.setQuitOnLastWindowClosed(false);

    radixon::QtDialogs dialogs;
    radixon::ClockRandom random;
    radixon::Program program(dialogs, random, [] { QCoreApplication::quit(); });
    program.start();
    return app.exec();
}
