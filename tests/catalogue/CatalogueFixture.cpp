#include "tests/catalogue/CatalogueFixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>

bool ChangeCatalogue(const QString& file, const QStringList& statements) {
    const QString name = QStringLiteral("test-catalogue-change");
    bool done = true;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(file);
        done = database.open();
        for (const QString& statement : statements) {
            QSqlQuery query(database);
            done = done && query.exec(statement);
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}
