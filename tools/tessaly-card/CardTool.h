#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The commands of tessaly-card. Exit codes: 0 done, 1 wrong use or a file that cannot be used,
// 2 the card has a header problem, 3 the load stopped (clip art missing and no disc).
class CardTool {
public:
    struct Options {
        QString command;
        QStringList files;
        QString disc;
        QString catalogue;
        QString settings;
        std::optional<double> mediaWaitSeconds;
    };

    // Reads the command line; nothing when it is wrong (the reason is in *error).
    static std::optional<Options> Parse(const QStringList& arguments, QString* error);
    static QString Usage();

    explicit CardTool(Options options);
    int Run();

private:
    struct Load {
        int problem = 0;
        bool completed = false;
        bool discrepancy = false;
    };

    bool prepare();
    Load readCard(const QString& file);
    int check();
    int dump();
    int resave();

    Options options;
};
