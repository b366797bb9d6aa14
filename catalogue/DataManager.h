#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <stdexcept>

class QComboBox;

// Raised when a catalogue query fails (for instance an occasion ID that is no column name).
// Other faults of a property (a position outside its list) show a plain message instead.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The catalogue of occasions, styles, frames and clip art, and the user's current selection.
// One instance lives for the whole run. Paths it hands out are GraphicsPath + a catalogue path
// that keeps its "\" separators; NativePath turns them into file paths.
class DataManager {
public:
    // catalogueFile: the SQLite catalogue; applicationDrive: the content root of the disc
    // (GraphicsPath is applicationDrive + "\Graphics").
    DataManager(QString catalogueFile, QString applicationDrive);
    ~DataManager();
    DataManager(const DataManager&) = delete;
    DataManager& operator=(const DataManager&) = delete;

    // "Tessaly.db" beside the program, or TESSALY_CATALOGUE when set.
    static QString DefaultCatalogueFile();

    QString GraphicsPath() const;
    QString ApplicationDrive() const;

    bool SavedSinceChange() const { return savedSinceChange; }
    void setSavedSinceChange(bool saved) { savedSinceChange = saved; }

    QStringList Occasions();
    void SetUpOccasionCombo(QComboBox* occCombo);

    void setCurrentOccasionIndex(int position);
    int CurrentOccasionIdx();
    QString CurrentOccasionName();
    void setCurrentOccasionName(const QString& name);
    QString CurrentOccasionID();
    void setCurrentOccasionID(const QString& id);
    bool OccasionSelected();

    QStringList TheSelectedStyles();
    // The IDs beside TheSelectedStyles' names.
    QStringList TheSelectedStyleIDs();
    QString CurrentStyleName();
    void setCurrentStyleName(const QString& name);
    QString CurrentStyleID();
    void setCurrentStyleID(const QString& id);
    void setCurrentStyleIndex(int position);
    int CurrentStyleIndex();
    bool StyleSelected();

    QStringList TheSelectedArt();
    QStringList TheOccasionalArt();
    QStringList TheSelectedTemplates();
    // The frame IDs beside TheSelectedTemplates' paths.
    QStringList TheSelectedTemplateIDs();

    int TheTemplate();
    void setTheTemplate(int position);
    QString TheTemplateID();
    QString TheTemplatePath();

    static bool ArtIsSentiment(const QString& path);

    int TotalArtOffset() const { return totalArtOffset; }
    void setTotalArtOffset(int offset) { totalArtOffset = offset; }
    int NumberOfArt() const { return numberOfArt; }

private:
    // Each reads its list once and again only when the selection it depends on has changed.
    void LoadOccasions();
    void LoadStyles();
    void LoadTemplates();

    struct Private;
    Private* d;
    bool savedSinceChange = true;
    int totalArtOffset = 0;
    int numberOfArt = 0;
};
