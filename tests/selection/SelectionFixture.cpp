#include "tests/selection/SelectionFixture.h"

#include "app/AppState.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/Navigator.h"
#include "card/AppModel.h"
#include "platform/FontSystem.h"
#include "screens/selection/DesignScreen.h"
#include "screens/selection/OccasionScreen.h"
#include "tools/disc-builder/CatalogueWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>

namespace {

const QStringList frameCodes = {"F1", "F2", "F3", "F5", "F6", "F7"};

} // namespace

void SelectionTest::SetUp() {
    FontSystem::installSubstitutes();
    Dialogs::setCurrent(&dialogs);
    discRoot = env.path(QStringLiteral("disc"));
    QDir().mkpath(discRoot);
    env.writeFile(QStringLiteral("disc/Quillon.hlp"), "help");
    catalogueFile = env.path(QStringLiteral("Tessaly.db"));
    savedDrive = App().ApplicationDrive;
    App().ApplicationDrive = discRoot;
    App().CurrentCardFile.clear();

    Navigator& navigator = Navigator::instance();
    navigator.reset();
    navigator.registerScreen(OccasionScreenId, [] { return new OccasionScreen; });
    navigator.registerScreen(DesignScreenId, [] { return new DesignScreen; });
    for (int id : {WelcomeScreenId, CreationScreenId}) {
        navigator.registerScreen(id, [id] { return new RecordingScreen(id); });
    }
    navigator.setEndHandler([this] { ++ends; });
}

void SelectionTest::TearDown() {
    Navigator::instance().reset();
    flushDeletes();
    Model().dataManager.reset();
    Model().BeginNewCard();
    App().ApplicationDrive = savedDrive;
    App().CurrentCardFile.clear();
    BusyCursorOff();
    Dialogs::setCurrent(&env.dialogs);
}

void SelectionTest::addOccasions(int count) {
    for (int i = 0; i < count; ++i) {
        rows.occasions.append({QStringLiteral("O%1").arg(i), QStringLiteral("Occasion %1").arg(i)});
    }
}

QString SelectionTest::addStyle(const QString& occasionId, const QString& name,
                                const QColor& colour) {
    const QString id = QStringLiteral("S%1").arg(rows.styles.size() + 1);
    rows.styles.append({id, name, true, {occasionId}});
    for (int frame = 0; frame < frameCodes.size(); ++frame) {
        const bool portrait = frame >= 3;
        QImage picture(portrait ? 10 : 20, portrait ? 20 : 10, QImage::Format_RGB32);
        picture.fill(colour);
        // Each frame of a style differs, so a test can tell which picture a thumbnail holds.
        picture.setPixelColor(0, 0, QColor(frame * 40, frame * 40, frame * 40));
        const QString file = frameFile(id, frame);
        QDir().mkpath(QFileInfo(file).absolutePath());
        picture.save(file, "BMP");
        rows.frames.append({frameCodes[frame] + id, id, framePath(id, frame)});
    }
    return id;
}

QString SelectionTest::framePath(const QString& styleId, int frame) const {
    return QStringLiteral("\\Frames\\%1\\%2%1s.bmp").arg(styleId, frameCodes[frame]);
}

QString SelectionTest::frameFile(const QString& styleId, int frame) const {
    return discRoot +
           QStringLiteral("/Graphics/Frames/%1/%2%1s.bmp").arg(styleId, frameCodes[frame]);
}

void SelectionTest::openCatalogue() {
    QString error;
    ASSERT_TRUE(WriteCatalogue(catalogueFile, rows, &error)) << error.toStdString();
    Model().dataManager = std::make_unique<DataManager>(catalogueFile, discRoot);
}

void SelectionTest::show(int id) {
    ShowScreen(id);
}

int SelectionTest::currentId() {
    const Screen* current = Navigator::instance().CurrentScreen;
    return current ? current->screenId() : 0;
}

OccasionScreen* SelectionTest::occasionScreen() {
    return qobject_cast<OccasionScreen*>(Navigator::instance().CurrentScreen.data());
}

DesignScreen* SelectionTest::designScreen() {
    return qobject_cast<DesignScreen*>(Navigator::instance().CurrentScreen.data());
}

RecordingScreen* SelectionTest::recording(int id) {
    Screen* current = Navigator::instance().CurrentScreen.data();
    return current && current->screenId() == id ? static_cast<RecordingScreen*>(current) : nullptr;
}

bool SelectionTest::waitForScreen(int id) {
    // Lets the screens' own short timers fire; nothing here waits on the test's clock.
    return QTest::qWaitFor([id] { return currentId() == id; }, 5000);
}

void SelectionTest::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

QWidget* widgetAt(QWidget* window, const QPoint& pos, QPoint* local) {
    QWidget* target = window->childAt(pos);
    if (target == nullptr) {
        target = window;
    }
    *local = target->mapFrom(window, pos);
    return target;
}

} // namespace

void SelectionTest::clickAt(QWidget* window, const QPoint& pos) {
    QPoint local;
    QWidget* target = widgetAt(window, pos, &local);
    QTest::mouseClick(target, Qt::LeftButton, {}, local);
}

void SelectionTest::doubleClickAt(QWidget* window, const QPoint& pos) {
    QPoint local;
    QWidget* target = widgetAt(window, pos, &local);
    QTest::mouseDClick(target, Qt::LeftButton, {}, local);
}
