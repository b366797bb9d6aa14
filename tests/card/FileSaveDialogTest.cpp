#include "card/FileSaveDialog.h"
#include "app/Settings.h"
#include "tests/card/CardFixture.h"

#include <QStandardPaths>

namespace {

class FileSaveDialogs : public CardFixture {
protected:
    const FileDialogRequest& lastRequest() const { return env.dialogs.asked.back().request; }
};

TEST_F(FileSaveDialogs, SaveStartsInTheRememberedFolderOrTheDocumentsFolder) {
    env.dialogs.fileAnswers.push_back(QString());
    EXPECT_FALSE(FileSaveDialog::DisplaySave());
    EXPECT_EQ(lastRequest().initialFolder,
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                  QLatin1Char('/'));

    WriteSetting(QStringLiteral("SaveFile"), QStringLiteral("/home/ann/Cards/"),
                 QStringLiteral("..Files"));
    FileSaveDialog::DisplaySave();
    EXPECT_EQ(lastRequest().initialFolder, QStringLiteral("/home/ann/Cards/"));
}

TEST_F(FileSaveDialogs, SaveStartsBesideTheCurrentCardUnlessItLiesOnTheDisc) {
    WriteSetting(QStringLiteral("SaveFile"), QStringLiteral("/home/ann/Cards/"),
                 QStringLiteral("..Files"));
    App().CurrentCardFile = QStringLiteral("/home/ann/Old/party.ocd");
    FileSaveDialog::DisplaySave();
    EXPECT_EQ(lastRequest().initialFolder, QStringLiteral("/home/ann/Old/"));

    App().CurrentCardFile = disc + QStringLiteral("/SamplePictureCards/beach.ocd");
    FileSaveDialog::DisplaySave();
    EXPECT_EQ(lastRequest().initialFolder, QStringLiteral("/home/ann/Cards/"));
    // A cancelled dialog leaves the current card alone.
    EXPECT_EQ(App().CurrentCardFile, disc + QStringLiteral("/SamplePictureCards/beach.ocd"));
}

TEST_F(FileSaveDialogs, OpenAsksForCardsAndRemembersTheFolder) {
    const QString chosen = env.path(QStringLiteral("mine/party.ocd"));
    env.dialogs.fileAnswers.push_back(chosen);
    ASSERT_TRUE(FileSaveDialog::DisplayLoad());
    const FileDialogRequest& request = lastRequest();
    EXPECT_EQ(env.dialogs.asked.back().kind, QStringLiteral("open"));
    EXPECT_EQ(request.title, QStringLiteral("Open File"));
    EXPECT_EQ(request.filter, QStringLiteral("Tessaly Files (*.ocd);;All Files (*.*)"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("ocd"));
    EXPECT_EQ(request.initialName, QStringLiteral("*.ocd"));
    EXPECT_EQ(request.initialFolder, disc + QStringLiteral("/SamplePictureCards/"));
    EXPECT_EQ(App().CurrentCardFile, chosen);
    EXPECT_EQ(ReadSetting(QStringLiteral("LoadFile"), QString(), QStringLiteral("..Files")),
              env.path(QStringLiteral("mine/")));

    App().CurrentCardFile = QStringLiteral("/kept.ocd");
    EXPECT_FALSE(FileSaveDialog::DisplayLoad());
    EXPECT_EQ(lastRequest().initialFolder, env.path(QStringLiteral("mine/")));
    EXPECT_EQ(App().CurrentCardFile, QStringLiteral("/kept.ocd"));
}

TEST_F(FileSaveDialogs, PrinterSetupShowsThePrinterDialogAndAlwaysAnswersFalse) {
    EXPECT_FALSE(FileSaveDialog::DisplayPrint());
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].kind, QStringLiteral("printer"));
    EXPECT_EQ(env.dialogs.asked[0].text, QStringLiteral("Printer Setup"));
}

TEST_F(FileSaveDialogs, FolderOfKeepsTheLastSeparator) {
    EXPECT_EQ(FileSaveDialog::FolderOf(QStringLiteral("C:\\Cards\\a.ocd")),
              QStringLiteral("C:\\Cards\\"));
    EXPECT_EQ(FileSaveDialog::FolderOf(QStringLiteral("/home/a.ocd")), QStringLiteral("/home/"));
    EXPECT_EQ(FileSaveDialog::FolderOf(QStringLiteral("a.ocd")), QString());
}

} // namespace
