// The demonstration program: a slideshow of what the program can do, made from the sample cards
// of the disc it lies on.

#include "card/AppModel.h"
#include "platform/Clock.h"
#include "platform/FontSystem.h"
#include "platform/ScriptedDialogs.h"
#include "tools/demo/DemoDisc.h"
#include "tools/demo/DemoOptions.h"
#include "tools/demo/SlideWindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const DemoOptions options =
        DemoOptions::parse(QApplication::arguments().mid(1), QApplication::applicationDirPath());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr,
                     "vimble: %s\nusage: vimble [--disc DIR] [--catalogue FILE] "
                     "[--slides-ms N] [--no-timer]\n",
                     qUtf8Printable(options.error));
        return 2;
    }
    FontSystem::installSubstitutes();

    // Nobody is asked anything: the show leaves out what it cannot read. The disc is the one
    // the program runs from, so there is nothing to wait for either.
    ScriptedDialogs unattended;
    unattended.echoToStandardError = true;
    Dialogs::setCurrent(&unattended);
    ManualClock noWaiting;
    Clock::setCurrent(&noWaiting);

    const QVector<SampleShot> shots = DemoDisc::loadShots(
        options.discFolder, DemoDisc::catalogueFor(options.discFolder, options.catalogueFile));
    SlideWindow window(SlideDeck::build(shots), options.slideMs, options.timer);
    window.show();
    window.activateWindow();
    const int result = QApplication::exec();
    // The catalogue's database connection has to close while the application still exists.
    Model().dataManager.reset();
    return result;
}
