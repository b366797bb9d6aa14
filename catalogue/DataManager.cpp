#include "catalogue/DataManager.h"

#include "app/AppState.h"
#include "catalogue/SqlNames.h"
#include "platform/Dialogs.h"

#include <QAtomicInt>
#include <QComboBox>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

const QString sentimentStyleId = QStringLiteral("4010");
const QStringList catalogueTables = {QStringLiteral("Occasions"), QStringLiteral("Styles"),
                                     QStringLiteral("Art"), QStringLiteral("ScreenTemplates")};

struct Occasion {
    int position = -1;
    QString id;
    QString name;
};

QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' ')) {
        ++start;
    }
    while (end > start && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(start, end - start);
}

QString uniqueConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("tessaly-catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

void showPlainMessage(const QString& message) {
    Dialogs::current().plainMessage(message, App().ApplicationTitle);
}

} // namespace

struct DataManager::Private {
    QString catalogueFile;
    QString applicationDrive;
    QString connectionName = uniqueConnectionName();
    QSqlDatabase database;
    bool open = false;
    // Folded column names of "Styles" and "Art": an occasion ID must be one of them.
    QStringList styleColumns;
    QStringList artColumns;

    bool occasionsLoaded = false;
    QVector<Occasion> occasions;
    Occasion occasion;

    QString stylesOccasionId;
    QStringList styleNames;
    QStringList styleIds;
    int styleIndex = -1;
    QString styleId;
    QString styleName;

    bool selectedArtBuilt = false;
    QString selectedArtOccasionId;
    QString selectedArtStyleId;
    QStringList selectedArt;

    QString occasionalArtOccasionId;
    QStringList occasionalArt;

    QString templatesStyleId;
    QStringList templatePaths;
    QStringList templateIds;

    int theTemplate = -1;

    bool openCatalogue();
    QStringList foldedColumns(const QString& table) const;
    QSqlQuery run(const QString& sql, const QVariantList& values = {});
    QString occasionColumn(const QStringList& columns, const QString& table) const;
    void clearOccasion();
    void clearStyle();
};

bool DataManager::Private::openCatalogue() {
    if (open) {
        return true;
    }
    if (!database.isValid()) {
        database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        database.setDatabaseName(catalogueFile);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    if (!database.open()) {
        return false;
    }
    // SQLite opens any file lazily and takes an empty one for an empty database: only a file
    // with the four tables counts as a catalogue.
    const QStringList tables = database.tables(QSql::TableType(QSql::Tables | QSql::Views));
    for (const QString& table : catalogueTables) {
        if (!tables.contains(table)) {
            database.close();
            return false;
        }
    }
    styleColumns = foldedColumns(QStringLiteral("Styles"));
    artColumns = foldedColumns(QStringLiteral("Art"));
    open = true;
    return true;
}

QStringList DataManager::Private::foldedColumns(const QString& table) const {
    QStringList columns;
    const QSqlRecord record = database.record(table);
    for (int i = 0; i < record.count(); ++i) {
        columns.append(SqlNames::asciiFolded(record.fieldName(i)));
    }
    return columns;
}

QSqlQuery DataManager::Private::run(const QString& sql, const QVariantList& values) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        throw CatalogueError(query.lastError().text().toStdString());
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        throw CatalogueError(query.lastError().text().toStdString());
    }
    return query;
}

// SQLite would take an unknown double-quoted name for a text literal and quietly match nothing;
// an occasion ID that is no column is a fault of the catalogue and is reported as one.
QString DataManager::Private::occasionColumn(const QStringList& columns,
                                             const QString& table) const {
    const QString id = occasion.id;
    if (!columns.contains(SqlNames::asciiFolded(id))) {
        throw CatalogueError(
            QStringLiteral("no such column in %1: %2").arg(table, id).toStdString());
    }
    return SqlNames::quoted(id);
}

void DataManager::Private::clearOccasion() {
    occasion = Occasion{};
}

void DataManager::Private::clearStyle() {
    styleId.clear();
    styleName.clear();
    styleIndex = -1;
}

DataManager::DataManager(QString catalogueFile, QString applicationDrive) : d(new Private) {
    d->catalogueFile = std::move(catalogueFile);
    d->applicationDrive = std::move(applicationDrive);
}

DataManager::~DataManager() {
    const QString connectionName = d->connectionName;
    const bool registered = d->database.isValid();
    d->database.close();
    delete d;
    if (registered) {
        QSqlDatabase::removeDatabase(connectionName);
    }
}

QString DataManager::DefaultCatalogueFile() {
    QString overridden = qEnvironmentVariable("TESSALY_CATALOGUE");
    if (!overridden.isEmpty()) {
        return overridden;
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Tessaly.db");
}

QString DataManager::GraphicsPath() const {
    return d->applicationDrive + QStringLiteral("\\Graphics");
}

QString DataManager::ApplicationDrive() const {
    return d->applicationDrive;
}

void DataManager::LoadOccasions() {
    if (d->occasionsLoaded) {
        return;
    }
    d->occasionsLoaded = true;
    d->occasions.clear();
    d->occasion = Occasion{0, QString(), QString()};
    d->styleId.clear();
    totalArtOffset = 0;
    if (!d->openCatalogue()) {
        return;
    }
    QSqlQuery query = d->run(QStringLiteral("select * from \"Occasions\""));
    while (query.next()) {
        d->occasions.append({static_cast<int>(d->occasions.size()), query.value(1).toString(),
                             query.value(2).toString()});
    }
}

QStringList DataManager::Occasions() {
    LoadOccasions();
    QStringList names;
    for (const Occasion& occasion : std::as_const(d->occasions)) {
        names.append(occasion.name);
    }
    return names;
}

void DataManager::SetUpOccasionCombo(QComboBox* occCombo) {
    try {
        const QStringList names = Occasions();
        // Filling the list is no pick; only the final selection reaches the screen.
        {
            const QSignalBlocker blocker(occCombo);
            occCombo->clear();
            occCombo->addItems(names);
        }
        occCombo->setCurrentIndex(-1);
        occCombo->setCurrentIndex(CurrentOccasionIdx());
    } catch (const std::exception& error) {
        showPlainMessage(QStringLiteral("SetUpOccasionCombo") +
                         QString::fromStdString(error.what()));
    }
}

void DataManager::setCurrentOccasionIndex(int position) {
    LoadOccasions();
    d->clearOccasion();
    d->clearStyle();
    if (position < 0 || position >= d->occasions.size()) {
        showPlainMessage(QStringLiteral("CurrentOccasionindex"));
        return;
    }
    d->occasion = d->occasions[position];
}

int DataManager::CurrentOccasionIdx() {
    LoadOccasions();
    return d->occasion.position;
}

QString DataManager::CurrentOccasionName() {
    LoadOccasions();
    return trimBlanks(d->occasion.name);
}

void DataManager::setCurrentOccasionName(const QString& name) {
    LoadOccasions();
    d->clearOccasion();
    for (const Occasion& occasion : std::as_const(d->occasions)) {
        if (occasion.name == name) {
            d->occasion = occasion;
            return;
        }
    }
}

QString DataManager::CurrentOccasionID() {
    LoadOccasions();
    return d->occasion.id;
}

void DataManager::setCurrentOccasionID(const QString& id) {
    LoadOccasions();
    for (const Occasion& occasion : std::as_const(d->occasions)) {
        if (occasion.id == id) {
            d->occasion = occasion;
            return;
        }
    }
}

bool DataManager::OccasionSelected() {
    LoadOccasions();
    return !trimBlanks(d->occasion.id).isEmpty();
}

// A reading that fails leaves the cache without a key, so it is not taken for an empty answer.
void DataManager::LoadStyles() {
    const QString occasionId = d->occasion.id;
    if (d->stylesOccasionId == occasionId && !occasionId.isEmpty()) {
        return;
    }
    d->openCatalogue();
    d->styleNames.clear();
    d->styleIds.clear();
    d->stylesOccasionId.clear();
    if (!occasionId.isEmpty() && d->open) {
        QSqlQuery query =
            d->run(QStringLiteral("select \"StyleID\", \"Style\" from \"Styles\" where ") +
                   d->occasionColumn(d->styleColumns, QStringLiteral("Styles")) +
                   QStringLiteral(" = 1 and \"Visible\" = 1"));
        QStringList names;
        QStringList ids;
        while (query.next()) {
            names.append(query.value(1).toString());
            ids.append(query.value(0).toString());
        }
        d->styleNames = names;
        d->styleIds = ids;
    }
    d->stylesOccasionId = occasionId;
}

QStringList DataManager::TheSelectedStyles() {
    LoadOccasions();
    LoadStyles();
    return d->styleNames;
}

QStringList DataManager::TheSelectedStyleIDs() {
    LoadOccasions();
    LoadStyles();
    return d->styleIds;
}

QString DataManager::CurrentStyleName() {
    return d->styleName;
}

void DataManager::setCurrentStyleName(const QString& name) {
    d->clearStyle();
    const QStringList names = TheSelectedStyles();
    const qsizetype position = names.indexOf(name);
    if (position >= 0) {
        d->styleIndex = static_cast<int>(position);
        d->styleName = d->styleNames[position];
        d->styleId = d->styleIds[position];
    }
}

QString DataManager::CurrentStyleID() {
    return d->styleId;
}

void DataManager::setCurrentStyleID(const QString& id) {
    d->clearStyle();
    TheSelectedStyles();
    const qsizetype position = d->styleIds.indexOf(id);
    if (position >= 0) {
        d->styleIndex = static_cast<int>(position);
        d->styleName = d->styleNames[position];
        d->styleId = d->styleIds[position];
    }
}

void DataManager::setCurrentStyleIndex(int position) {
    if (position < 0) {
        d->clearStyle();
        return;
    }
    const QStringList names = TheSelectedStyles();
    if (position >= names.size()) {
        showPlainMessage(QStringLiteral("There is no style at position %1; the occasion has %2.")
                             .arg(position)
                             .arg(names.size()));
        return;
    }
    d->styleIndex = position;
    d->styleName = d->styleNames[position];
    d->styleId = d->styleIds[position];
}

int DataManager::CurrentStyleIndex() {
    return d->styleIndex < 0 ? 0 : d->styleIndex;
}

bool DataManager::StyleSelected() {
    return d->styleIndex >= 0;
}

QStringList DataManager::TheSelectedArt() {
    LoadOccasions();
    const QString occasionId = d->occasion.id;
    const QString styleId = d->styleId;
    const bool sameKey = d->selectedArtBuilt && d->selectedArtOccasionId == occasionId &&
                         d->selectedArtStyleId == styleId;
    if (sameKey && !(occasionId + styleId).isEmpty()) {
        return d->selectedArt;
    }
    d->openCatalogue();
    d->selectedArt.clear();
    d->selectedArtBuilt = false;
    numberOfArt = 0;
    if (!occasionId.isEmpty() && !styleId.isEmpty() && d->open) {
        QSqlQuery query = d->run(
            QStringLiteral("select * from \"Art\" where \"StyleId\" = ? and ") +
                d->occasionColumn(d->artColumns, QStringLiteral("Art")) + QStringLiteral(" = 1"),
            {styleId});
        const QString graphics = GraphicsPath();
        QStringList paths;
        while (query.next()) {
            const QString path = graphics + query.value(1).toString() + QStringLiteral("s.bmp");
            if (!paths.contains(path)) {
                paths.append(path);
            }
        }
        d->selectedArt = paths;
    }
    d->selectedArtBuilt = true;
    d->selectedArtOccasionId = occasionId;
    d->selectedArtStyleId = styleId;
    numberOfArt = static_cast<int>(d->selectedArt.size());
    return d->selectedArt;
}

QStringList DataManager::TheOccasionalArt() {
    LoadOccasions();
    const QString occasionId = d->occasion.id;
    if (d->occasionalArtOccasionId == occasionId && !occasionId.isEmpty()) {
        return d->occasionalArt;
    }
    d->openCatalogue();
    d->occasionalArt.clear();
    d->occasionalArtOccasionId.clear();
    if (!occasionId.isEmpty() && d->open) {
        const QString column = d->occasionColumn(d->artColumns, QStringLiteral("Art"));
        QSqlQuery query = d->run(QStringLiteral("select * from \"Art\" where ") + column +
                                     QStringLiteral(" = 1 union select * from \"Art\" where "
                                                    "\"StyleId\" = ? order by ") +
                                     column,
                                 {sentimentStyleId});
        const QString graphics = GraphicsPath();
        QStringList paths;
        QStringList sentiments;
        while (query.next()) {
            const QString path = graphics + query.value(1).toString() + QStringLiteral("s.bmp");
            (ArtIsSentiment(path) ? sentiments : paths).append(path);
        }
        d->occasionalArt = paths + sentiments;
    }
    d->occasionalArtOccasionId = occasionId;
    return d->occasionalArt;
}

void DataManager::LoadTemplates() {
    const QString styleId = d->styleId;
    if (d->templatesStyleId == styleId && !styleId.isEmpty()) {
        return;
    }
    d->openCatalogue();
    d->templatePaths.clear();
    d->templateIds.clear();
    d->templatesStyleId.clear();
    if (!styleId.isEmpty() && d->open) {
        QSqlQuery query = d->run(
            QStringLiteral("select * from \"ScreenTemplates\" where \"Style\" = ?"), {styleId});
        const QString graphics = GraphicsPath();
        QStringList paths;
        QStringList ids;
        while (query.next()) {
            paths.append(graphics + query.value(2).toString());
            ids.append(query.value(0).toString());
        }
        d->templatePaths = paths;
        d->templateIds = ids;
    }
    d->templatesStyleId = styleId;
}

QStringList DataManager::TheSelectedTemplates() {
    LoadTemplates();
    return d->templatePaths;
}

QStringList DataManager::TheSelectedTemplateIDs() {
    LoadTemplates();
    return d->templateIds;
}

int DataManager::TheTemplate() {
    if (d->theTemplate < 0) {
        d->theTemplate = 0;
    }
    return d->theTemplate;
}

void DataManager::setTheTemplate(int position) {
    d->theTemplate = position;
}

QString DataManager::TheTemplateID() {
    const int position = TheTemplate();
    const QStringList ids = TheSelectedTemplateIDs();
    if (position >= ids.size()) {
        showPlainMessage(QStringLiteral("There is no frame at position %1; the style has %2.")
                             .arg(position)
                             .arg(ids.size()));
        return QString();
    }
    return ids[position];
}

QString DataManager::TheTemplatePath() {
    const int position = TheTemplate();
    const QStringList paths = TheSelectedTemplates();
    if (position >= paths.size()) {
        showPlainMessage(QStringLiteral("There is no frame at position %1; the style has %2.")
                             .arg(position)
                             .arg(paths.size()));
        return QString();
    }
    return paths[position];
}

bool DataManager::ArtIsSentiment(const QString& path) {
    QString upper = path.toUpper();
    upper.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return upper.contains(QStringLiteral("\\SNTIMNT")) && !upper.contains(QStringLiteral("\\4010"));
}
