#pragma once

#include "app/shell/Screen.h"
#include "tests/common/TestSupport.h"
#include "tools/disc-builder/DiscRows.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

class DesignScreen;
class OccasionScreen;

// Scripted answers that can also change the world just before a message box is answered, as a
// user who puts the disc back before pressing OK.
class HookedDialogs : public ScriptedDialogs {
public:
    std::function<void()> beforeAnswer;
    int messageBox(const QString& message, int buttons, const QString& caption) override {
        if (beforeAnswer) {
            beforeAnswer();
        }
        return ScriptedDialogs::messageBox(message, buttons, caption);
    }
};

// A screen the selection screens lead to (welcome, editor) that only records its visits.
class RecordingScreen : public Screen {
public:
    explicit RecordingScreen(int id) : Screen(id, 9510, 6825, 0) {}
    int displays = 0;
    void Display() override { ++displays; }
};

// A small disc for the occasion and style screens: a catalogue of occasions and styles with
// six tiny frame pictures each, the help file that marks the disc present, the application-wide
// catalogue object, and the screens registered with the navigator.
class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Occasions "O0".."On-1" named "Occasion 0".., no styles.
    void addOccasions(int count);
    // A visible style of the occasion with six frames painted in `colour`.
    QString addStyle(const QString& occasionId, const QString& name, const QColor& colour);
    // Writes the catalogue and opens it as the program's catalogue.
    void openCatalogue();

    QString framePath(const QString& styleId, int frame) const;
    QString frameFile(const QString& styleId, int frame) const;

    // Shows a screen through the navigator, as the program does.
    static void show(int id);
    static int currentId();
    static OccasionScreen* occasionScreen();
    static DesignScreen* designScreen();
    static RecordingScreen* recording(int id);
    // Runs events until the current screen is `id`; false when that does not happen.
    static bool waitForScreen(int id);
    static void flushDeletes();
    // A click where a person would click: on whatever visible widget of the window lies at pos
    // (QTest itself delivers to the widget it is given, hidden or covered or not).
    static void clickAt(QWidget* window, const QPoint& pos);
    static void doubleClickAt(QWidget* window, const QPoint& pos);

    QStringList messages() const { return dialogs.messages(); }

    TestEnvironment env;
    HookedDialogs dialogs;
    DiscRows rows;
    QString discRoot;
    QString catalogueFile;
    int ends = 0;

private:
    QString savedDrive;
};
