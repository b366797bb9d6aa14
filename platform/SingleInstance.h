#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

// Decides which process of the program runs: the first one takes a lock file and listens on a
// local socket; a later one connects, asks the first to come forward, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: unique per user and program; TESSALY_INSTANCE_NAME overrides the default.
    explicit SingleInstance(QString name = defaultName());
    ~SingleInstance() override;

    static QString defaultName();

    // True when this process is the first; it then listens for later starts.
    bool claim();
    // From a later process: asks the first one to come forward; true when it answered.
    bool activateFirst(const QString& arguments);

Q_SIGNALS:
    // In the first process: another start asked it to come forward.
    void activationRequested(const QString& arguments);

private:
    void acceptConnection();

    QString name;
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;
};
