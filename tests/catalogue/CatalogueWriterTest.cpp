#include "tools/disc-builder/CatalogueWriter.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

DiscRows twoOccasions() {
    DiscRows rows;
    rows.occasions = {{"Birthday", "Birthday"}, {"XMas", "Christmas"}};
    rows.styles = {{"S1", "Balloons", true, {"XMas"}},
                   {"S2", "Stars", false, {"Birthday", "XMas"}}};
    rows.frames = {{"F1S1", "S1", "\\Balloons\\F1S1s.bmp"}};
    rows.art = {{"S1", "\\Balloons\\cake", {"Birthday"}}};
    return rows;
}

// Every row of a table, each as its values in column order joined by "|".
QStringList tableRows(const QString& file, const QString& table) {
    QStringList result;
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer-test"));
        database.setDatabaseName(file);
        if (database.open()) {
            QSqlQuery query(database);
            query.exec(QStringLiteral("select * from \"%1\"").arg(table));
            while (query.next()) {
                QStringList values;
                for (int i = 0; i < query.record().count(); ++i) {
                    values.append(query.value(i).toString());
                }
                result.append(values.join(QLatin1Char('|')));
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("writer-test"));
    return result;
}

TEST(CatalogueWriter, PutsEveryColumnWhereTheCatalogueReaderLooksForIt) {
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("Tessaly.db"));
    QString error;
    ASSERT_TRUE(WriteCatalogue(file, twoOccasions(), &error)) << error.toStdString();
    EXPECT_EQ(tableRows(file, QStringLiteral("Occasions")),
              QStringList({"1|Birthday|Birthday", "2|XMas|Christmas"}));
    EXPECT_EQ(tableRows(file, QStringLiteral("Styles")),
              QStringList({"S1|Balloons|1|0|1", "S2|Stars|0|1|1"}));
    EXPECT_EQ(tableRows(file, QStringLiteral("Art")), QStringList({"S1|\\Balloons\\cake|1|0"}));
    EXPECT_EQ(tableRows(file, QStringLiteral("ScreenTemplates")),
              QStringList({"F1S1|S1|\\Balloons\\F1S1s.bmp"}));
    EXPECT_FALSE(QFile::exists(file + QStringLiteral(".partial")));
}

TEST(CatalogueWriter, ReplacesAnOlderCatalogue) {
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("Tessaly.db"), QByteArray("old content"));
    QString error;
    ASSERT_TRUE(WriteCatalogue(file, twoOccasions(), &error)) << error.toStdString();
    EXPECT_EQ(tableRows(file, QStringLiteral("Occasions")).size(), 2);
}

TEST(CatalogueWriter, RefusesOccasionIdsThatCannotBeColumns) {
    const QStringList badIds = {"", "Visible", "STYLEID", "stem", "XMAS"};
    for (const QString& id : badIds) {
        TestEnvironment env;
        DiscRows rows = twoOccasions();
        rows.occasions.append({id, "Bad"});
        const QString file = env.path(QStringLiteral("Tessaly.db"));
        QString error;
        EXPECT_FALSE(WriteCatalogue(file, rows, &error)) << id.toStdString();
        EXPECT_FALSE(error.isEmpty()) << id.toStdString();
        EXPECT_FALSE(QFile::exists(file)) << id.toStdString();
    }
}

} // namespace
