#include "app/shell/Navigator.h"
#include "app/shell/QtDialogs.h"
#include "app/shell/SplashScreen.h"
#include "app/shell/StandInScreen.h"
#include "app/shell/Startup.h"
#include "app/welcome/WelcomeScreen.h"
#include "card/AppModel.h"
#include "editor/CreationScreen.h"
#include "platform/Registry.h"
#include "platform/SingleInstance.h"
#include "screens/selection/DesignScreen.h"
#include "screens/selection/OccasionScreen.h"

#include <QApplication>

namespace {

void registerScreens(Navigator& navigator) {
    navigator.registerScreen(SplashScreenId, [] { return new SplashScreen; });
    navigator.registerScreen(WelcomeScreenId, [] { return new WelcomeScreen; });
    navigator.registerScreen(OccasionScreenId, [] { return new OccasionScreen; });
    navigator.registerScreen(DesignScreenId, [] { return new DesignScreen; });
    navigator.registerScreen(CreationScreenId, [] { return new CreationScreen; });
    navigator.registerScreen(PrintIntroScreenId, [] {
        return new StandInScreen(PrintIntroScreenId, 608,
                                 {{714, PrintWizardId}, {101, CreationScreenId}}, CreationScreenId);
    });
    navigator.registerScreen(PrintWizardId, [] {
        return new StandInScreen(PrintWizardId, 714,
                                 {{101, CreationScreenId}, {2005, EndProgramId}}, CreationScreenId);
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessaly"));
    QApplication::setQuitOnLastWindowClosed(false);

    Registry registry(Registry::defaultPath());
    Registry::setCurrent(&registry);
    QtDialogs dialogs;
    Dialogs::setCurrent(&dialogs);

    registerScreens(Navigator::instance());
    SingleInstance instance;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!Startup::Run(arguments, instance)) {
        return 0;
    }
    const int result = QApplication::exec();
    // The catalogue's database connection must close while the application still exists.
    Model().dataManager.reset();
    return result;
}
