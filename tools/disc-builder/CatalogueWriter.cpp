#include "tools/disc-builder/CatalogueWriter.h"

#include "catalogue/SqlNames.h"

#include <QAtomicInt>
#include <QFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Names of the fixed columns; an occasion column must differ from every one of them.
const QStringList fixedColumns = {QStringLiteral("StyleID"), QStringLiteral("Style"),
                                  QStringLiteral("Visible")};

QString checkOccasionIds(const DiscRows& rows) {
    QSet<QString> seen;
    for (const QString& column : fixedColumns) {
        seen.insert(SqlNames::asciiFolded(column));
    }
    seen.insert(QStringLiteral("stem"));
    for (const OccasionRow& occasion : rows.occasions) {
        if (occasion.id.isEmpty() || occasion.id.contains(QChar(0))) {
            return QStringLiteral("Occasion \"%1\" has no usable ID.").arg(occasion.name);
        }
        const QString folded = SqlNames::asciiFolded(occasion.id);
        if (seen.contains(folded)) {
            return QStringLiteral("Occasion ID \"%1\" is used twice or names a fixed column.")
                .arg(occasion.id);
        }
        seen.insert(folded);
    }
    return QString();
}

class CatalogueFile {
public:
    explicit CatalogueFile(const QString& file) {
        static QAtomicInt counter;
        name = QStringLiteral("tessaly-catalogue-writer-%1").arg(counter.fetchAndAddRelaxed(1));
        database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(file);
    }
    ~CatalogueFile() {
        database.close();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    CatalogueFile(const CatalogueFile&) = delete;
    CatalogueFile& operator=(const CatalogueFile&) = delete;

    QSqlDatabase database;

private:
    QString name;
};

struct Writer {
    QSqlDatabase& database;
    QString error;

    bool exec(const QString& sql) {
        QSqlQuery query(database);
        if (!query.exec(sql)) {
            error = query.lastError().text();
            return false;
        }
        return true;
    }

    bool insert(const QString& table, int columnCount, const QVector<QVariantList>& rows) {
        QStringList marks;
        for (int i = 0; i < columnCount; ++i) {
            marks.append(QStringLiteral("?"));
        }
        QSqlQuery query(database);
        if (!query.prepare(QStringLiteral("insert into %1 values (%2)")
                               .arg(SqlNames::quoted(table), marks.join(QLatin1Char(','))))) {
            error = query.lastError().text();
            return false;
        }
        for (const QVariantList& row : rows) {
            for (int i = 0; i < columnCount; ++i) {
                query.bindValue(i, row[i]);
            }
            if (!query.exec()) {
                error = query.lastError().text();
                return false;
            }
        }
        return true;
    }
};

QVariantList membership(const DiscRows& rows, const QStringList& occasionIds) {
    QVariantList flags;
    for (const OccasionRow& occasion : rows.occasions) {
        flags.append(occasionIds.contains(occasion.id) ? 1 : 0);
    }
    return flags;
}

bool writeTables(Writer& writer, const DiscRows& rows) {
    QString occasionColumns;
    for (const OccasionRow& occasion : rows.occasions) {
        occasionColumns +=
            QStringLiteral(", %1 INTEGER NOT NULL DEFAULT 0").arg(SqlNames::quoted(occasion.id));
    }
    const int occasionCount = static_cast<int>(rows.occasions.size());
    if (!writer.exec(QStringLiteral("create table \"Occasions\" (\"OccasionKey\" INTEGER PRIMARY "
                                    "KEY, \"OccasionID\" TEXT NOT NULL, \"Occasion\" TEXT NOT "
                                    "NULL)")) ||
        !writer.exec(QStringLiteral("create table \"Styles\" (\"StyleID\" TEXT NOT NULL, \"Style\" "
                                    "TEXT NOT NULL, \"Visible\" INTEGER NOT NULL%1)")
                         .arg(occasionColumns)) ||
        !writer.exec(
            QStringLiteral("create table \"Art\" (\"StyleId\" TEXT NOT NULL, \"Stem\" TEXT "
                           "NOT NULL%1)")
                .arg(occasionColumns)) ||
        !writer.exec(QStringLiteral("create table \"ScreenTemplates\" (\"TemplateID\" TEXT NOT "
                                    "NULL, \"Style\" TEXT NOT NULL, \"Path\" TEXT NOT NULL)"))) {
        return false;
    }

    QVector<QVariantList> occasions;
    for (const OccasionRow& occasion : rows.occasions) {
        occasions.append({static_cast<int>(occasions.size()) + 1, occasion.id, occasion.name});
    }
    QVector<QVariantList> styles;
    for (const StyleRow& style : rows.styles) {
        styles.append(QVariantList{style.id, style.name, style.visible ? 1 : 0} +
                      membership(rows, style.occasionIds));
    }
    QVector<QVariantList> art;
    for (const ArtRow& item : rows.art) {
        art.append(QVariantList{item.styleId, item.stem} + membership(rows, item.occasionIds));
    }
    QVector<QVariantList> frames;
    for (const FrameRow& frame : rows.frames) {
        frames.append({frame.id, frame.styleId, frame.path});
    }
    return writer.insert(QStringLiteral("Occasions"), 3, occasions) &&
           writer.insert(QStringLiteral("Styles"), 3 + occasionCount, styles) &&
           writer.insert(QStringLiteral("Art"), 2 + occasionCount, art) &&
           writer.insert(QStringLiteral("ScreenTemplates"), 3, frames);
}

} // namespace

bool WriteCatalogue(const QString& file, const DiscRows& rows, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    const QString idProblem = checkOccasionIds(rows);
    if (!idProblem.isEmpty()) {
        return fail(idProblem);
    }
    // Built beside the target and renamed, so a reader never sees half a catalogue.
    const QString partial = file + QStringLiteral(".partial");
    QFile::remove(partial);
    QString reason;
    {
        CatalogueFile catalogue(partial);
        if (!catalogue.database.open()) {
            reason = catalogue.database.lastError().text();
        } else {
            Writer writer{catalogue.database, QString()};
            // The file only gets its real name when complete, so a journal and waits for the
            // disc would protect nothing.
            if (!writer.exec(QStringLiteral("pragma journal_mode = off")) ||
                !writer.exec(QStringLiteral("pragma synchronous = off"))) {
                reason = writer.error;
            } else if (!catalogue.database.transaction()) {
                reason = catalogue.database.lastError().text();
            } else if (!writeTables(writer, rows)) {
                reason = writer.error;
                catalogue.database.rollback();
            } else if (!catalogue.database.commit()) {
                reason = catalogue.database.lastError().text();
            }
        }
    }
    if (reason.isEmpty()) {
        QFile::remove(file);
        if (!QFile::rename(partial, file)) {
            reason = QStringLiteral("Cannot replace %1.").arg(file);
        }
    }
    if (!reason.isEmpty()) {
        QFile::remove(partial);
        return fail(reason);
    }
    return true;
}
