#pragma once

#include "app/AppState.h"
#include "card/AppModel.h"
#include "card/CardSelection.h"
#include "tests/common/TestSupport.h"
#include "tools/disc-builder/CatalogueWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

// A small disc (a few clip-art files, optionally its help file) and catalogue in a temporary
// folder, installed as the program's model; everything is put back afterwards.
class CardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        disc = env.path(QStringLiteral("disc"));
        QDir().mkpath(disc + QStringLiteral("/Graphics"));
        for (const ArtRow& art : rows().art) {
            const QString stem = QString(art.stem).replace(QLatin1Char('\\'), QLatin1Char('/'));
            writeDiscFile(QStringLiteral("Graphics") + stem + QStringLiteral("s.bmp"), "BM");
        }
        catalogue = env.path(QStringLiteral("Tessaly.db"));
        QString error;
        ASSERT_TRUE(WriteCatalogue(catalogue, rows(), &error)) << error.toStdString();
        App().ApplicationDrive = disc;
        App().ApplicationTitle = QStringLiteral("VARNO Tessaly Software");
        App().CurrentCardFile.clear();
        Model().dataManager = std::make_unique<DataManager>(catalogue, disc);
        Model().BeginNewCard();
    }

    void TearDown() override {
        Model().dataManager.reset();
        Model().pictureObjects = std::make_shared<PictureObjects>();
        Model().photoManager.reset();
        App().CurrentCardFile.clear();
        App().ApplicationDrive.clear();
    }

    static DiscRows rows() {
        DiscRows rows;
        rows.occasions = {{QStringLiteral("BDAY"), QStringLiteral("Birthday")},
                          {QStringLiteral("XMAS"), QStringLiteral("Christmas")}};
        rows.styles = {
            {QStringLiteral("1001"), QStringLiteral("Balloons"), true, {QStringLiteral("BDAY")}},
            {QStringLiteral("1002"), QStringLiteral("Party Hats"), true, {QStringLiteral("BDAY")}},
            {QStringLiteral("2001"), QStringLiteral("Holly"), true, {QStringLiteral("XMAS")}},
            {QStringLiteral("4010"),
             QStringLiteral("Sentiments"),
             true,
             {QStringLiteral("BDAY"), QStringLiteral("XMAS")}}};
        for (int frame = 1; frame <= 6; ++frame) {
            rows.frames.append({QStringLiteral("F%1BAL").arg(frame), QStringLiteral("1001"),
                                QStringLiteral("\\Birthday\\Balloons\\F%1BALs.bmp").arg(frame)});
        }
        rows.frames.append({QStringLiteral("F1HOL"), QStringLiteral("2001"),
                            QStringLiteral("\\Christmas\\Holly\\F1HOLs.bmp")});
        rows.art = {{QStringLiteral("1001"),
                     QStringLiteral("\\Birthday\\Balloons\\cake"),
                     {QStringLiteral("BDAY")}},
                    {QStringLiteral("1001"),
                     QStringLiteral("\\Birthday\\Balloons\\hat"),
                     {QStringLiteral("BDAY")}},
                    {QStringLiteral("2001"),
                     QStringLiteral("\\Christmas\\Holly\\berry"),
                     {QStringLiteral("XMAS")}},
                    {QStringLiteral("4010"),
                     QStringLiteral("\\SNTIMNT\\wishes"),
                     {QStringLiteral("BDAY"), QStringLiteral("XMAS")}}};
        return rows;
    }

    // The graphics folder as the catalogue names it.
    QString graphics() const { return Model().dataManager->GraphicsPath(); }
    // A clip-art path as the palettes hand it out, e.g. art("\\Birthday\\Balloons\\cake").
    QString art(const QString& stem) const { return graphics() + stem + QStringLiteral("s.bmp"); }

    QString writeDiscFile(const QString& relative, const QByteArray& content) const {
        return env.writeFile(QStringLiteral("disc/") + relative, content);
    }
    // The disc counts as present when its help file is there.
    void putDiscHelpFile() const { writeDiscFile(QStringLiteral("Quillon.hlp"), "help"); }

    // Writes a card file and makes it the current one.
    QString useCard(const QString& name, const QByteArray& content) const {
        const QString path = env.writeFile(name, content);
        App().CurrentCardFile = path;
        return path;
    }

    static CardSelection birthday(int frame = 2) {
        return {QStringLiteral("Birthday"), QStringLiteral("BDAY"), QStringLiteral("Balloons"),
                QStringLiteral("1001"), QString::number(frame)};
    }

    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestEnvironment env;
    QString disc;
    QString catalogue;
};
