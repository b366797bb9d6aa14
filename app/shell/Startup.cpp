#include "app/shell/Startup.h"

#include "app/AppState.h"
#include "app/Media.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/Navigator.h"
#include "card/AppModel.h"
#include "catalogue/DataManager.h"
#include "platform/FontSystem.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QWidget>

namespace {

// Brings the program's window forward when a later start asks for it.
void comeForward() {
    const QString prefix = Texts::at(2001);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle().startsWith(prefix)) {
            window->showNormal();
            window->raise();
            window->activateWindow();
            return;
        }
    }
}

} // namespace

bool Startup::Run(const QStringList& arguments, SingleInstance& instance) {
    QString title = Texts::at(2001);
    title.chop(3);
    App().ApplicationTitle = title;

    const QString commandLine = arguments.join(QLatin1Char(' '));
    if (!instance.claim()) {
        instance.activateFirst(commandLine);
        return false;
    }
    QObject::connect(&instance, &SingleInstance::activationRequested, &instance,
                     [] { comeForward(); });

    BusyCursorOn();
    LoadFontFamilies();
    App().LineEndMarker = QChar(31);
    InstallFonts();
    CreateModel();
    RegisterHelpFile();
    ReadCommandLine(commandLine);
    ShowScreen(SplashScreenId);
    return true;
}

void Startup::ReadCommandLine(const QString& commandLine) {
    const QString upper = commandLine.toUpper();
    if (upper == QLatin1String("BMP") || upper == QLatin1String("JPG")) {
        App().PrintToFileFormat = upper;
    } else if (upper == QLatin1String("_DEBUG_")) {
        App().DebugMode = true;
    } else if (!commandLine.isEmpty()) {
        if (CheckForFile(commandLine, false) == FileFound) {
            App().CurrentCardFile = commandLine;
        }
    }
}

void Startup::LoadFontFamilies() {
    App().FontFamilies = FontSystem::families();
}

void Startup::InstallFonts() {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    FontSystem::addTemporaryFont(folder + QStringLiteral("Comic.ttf"));
    FontSystem::addTemporaryFont(folder + QStringLiteral("Comicbd.ttf"));
    FontSystem::installSubstitutes();
}

void Startup::RegisterHelpFile() {
    WriteSetting(QStringLiteral("Help"), App().ApplicationDrive,
                 QStringLiteral("Software/Microsoft/Windows"), QStringLiteral("Quillon.hlp"));
}

void Startup::CreateModel() {
    App().ApplicationDrive = ResolveApplicationDrive();
    Model().pictureObjects = std::make_shared<PictureObjects>();
    Model().dataManager =
        std::make_unique<DataManager>(DataManager::DefaultCatalogueFile(), App().ApplicationDrive);
}
