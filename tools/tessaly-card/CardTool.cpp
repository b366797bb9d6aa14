#include "tools/tessaly-card/CardTool.h"

#include "app/AppState.h"
#include "app/Media.h"
#include "app/Texts.h"
#include "card/AppModel.h"
#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "platform/Registry.h"
#include "tools/tessaly-card/CardDump.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

constexpr int exitDone = 0;
constexpr int exitWrongUse = 1;
constexpr int exitCardProblem = 2;
constexpr int exitLoadStopped = 3;
constexpr qint64 discPollLimitMs = 5000;

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

void complain(const QString& text) {
    print(stderr, QStringLiteral("tessaly-card: ") + text + QLatin1Char('\n'));
}

// Messages keep CR LF line breaks for the message box; a terminal wants LF.
QString terminalLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int filesFor(const QString& command) {
    if (command == QLatin1String("check") || command == QLatin1String("dump")) {
        return 1;
    }
    return command == QLatin1String("resave") ? 2 : -1;
}

} // namespace

QString CardTool::Usage() {
    return QStringLiteral(
        "usage: tessaly-card check FILE [options]\n"
        "       tessaly-card dump FILE [options]\n"
        "       tessaly-card resave IN OUT [options]\n"
        "\n"
        "check   validates the card's header: prints \"code N\" and, for a problem, its message\n"
        "dump    reads the whole card and prints it as JSON\n"
        "resave  reads IN as dump does and writes it again as OUT\n"
        "\n"
        "options:\n"
        "  --disc DIR            the application disc (default: the \"CDDrive\" setting)\n"
        "  --catalogue FILE      the catalogue (default: Tessaly.db beside the program)\n"
        "  --settings FILE       the settings file (default: the user's settings)\n"
        "  --media-wait SECONDS  how long to wait for a file on slow media (default 10)\n"
        "\n"
        "Nobody is asked anything: missing clip art without the disc stops the load, a missing\n"
        "photo is left out. Messages go to standard error.\n"
        "exit codes: 0 done, 1 wrong use or unusable file, 2 card problem, 3 load stopped\n");
}

std::optional<CardTool::Options> CardTool::Parse(const QStringList& arguments, QString* error) {
    Options options;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            positional.append(argument);
            continue;
        }
        if (argument == QLatin1String("--help")) {
            *error = QString();
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            *error = argument + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        const QString value = arguments.at(++i);
        if (argument == QLatin1String("--disc")) {
            options.disc = value;
        } else if (argument == QLatin1String("--catalogue")) {
            options.catalogue = value;
        } else if (argument == QLatin1String("--settings")) {
            options.settings = value;
        } else if (argument == QLatin1String("--media-wait")) {
            bool number = false;
            const double seconds = value.toDouble(&number);
            if (!number || seconds < 0 || seconds > 3600) {
                *error = QStringLiteral("--media-wait takes seconds from 0 to 3600");
                return std::nullopt;
            }
            options.mediaWaitSeconds = seconds;
        } else {
            *error = QStringLiteral("unknown option ") + argument;
            return std::nullopt;
        }
    }
    if (positional.isEmpty()) {
        *error = QStringLiteral("no command");
        return std::nullopt;
    }
    options.command = positional.takeFirst();
    const int expected = filesFor(options.command);
    if (expected < 0) {
        *error = QStringLiteral("unknown command ") + options.command;
        return std::nullopt;
    }
    if (positional.size() != expected) {
        *error = options.command + QStringLiteral(" takes %1 file name(s)").arg(expected);
        return std::nullopt;
    }
    options.files = positional;
    return options;
}

CardTool::CardTool(Options options) : options(std::move(options)) {}

int CardTool::Run() {
    std::unique_ptr<Registry> settings;
    if (!options.settings.isEmpty()) {
        settings = std::make_unique<Registry>(options.settings);
        Registry::setCurrent(settings.get());
    }
    int result = exitWrongUse;
    try {
        if (prepare()) {
            result = options.command == QLatin1String("check")  ? check()
                     : options.command == QLatin1String("dump") ? dump()
                                                                : resave();
        }
    } catch (const std::exception& failure) {
        // A catalogue that cannot answer its queries.
        complain(QString::fromUtf8(failure.what()));
    }
    Model().dataManager.reset();
    if (settings) {
        Registry::setCurrent(nullptr);
    }
    return result;
}

bool CardTool::prepare() {
    App().ApplicationTitle = Texts::at(2001).chopped(3);
    App().ApplicationDrive = options.disc.isEmpty() ? ResolveApplicationDrive() : options.disc;
    const QString catalogue =
        options.catalogue.isEmpty() ? DataManager::DefaultCatalogueFile() : options.catalogue;
    if (!QFileInfo(catalogue).isFile()) {
        complain(QStringLiteral("no catalogue at ") + catalogue);
        return false;
    }
    if (options.mediaWaitSeconds) {
        const auto waitMs = static_cast<qint64>(*options.mediaWaitSeconds * 1000);
        SetMediaWaits(waitMs, std::min(waitMs, discPollLimitMs));
    }
    Model().dataManager = std::make_unique<DataManager>(catalogue, App().ApplicationDrive);
    return true;
}

CardTool::Load CardTool::readCard(const QString& file) {
    Load load;
    App().CurrentCardFile = QFileInfo(file).absoluteFilePath();
    load.problem = ReadCardHeader();
    if (load.problem != CardProblem::None) {
        return load;
    }
    bool objectsDiscrepancy = false;
    bool photoDiscrepancy = false;
    load.completed = ReadCardObjects(&objectsDiscrepancy) && ReadCardPhoto(&photoDiscrepancy);
    load.discrepancy = objectsDiscrepancy || photoDiscrepancy;
    return load;
}

int CardTool::check() {
    App().CurrentCardFile = QFileInfo(options.files.at(0)).absoluteFilePath();
    const int problem = ReadCardHeader();
    QString report = QStringLiteral("code %1\n").arg(problem);
    if (problem != CardProblem::None) {
        report += terminalLines(CardProblemMessage(problem)) + QLatin1Char('\n');
    }
    print(stdout, report);
    return problem == CardProblem::None ? exitDone : exitCardProblem;
}

int CardTool::dump() {
    const Load load = readCard(options.files.at(0));
    print(stdout, QString::fromUtf8(QJsonDocument(CardDump(load.problem, load.discrepancy))
                                        .toJson(QJsonDocument::Indented)));
    if (load.problem != CardProblem::None) {
        return exitCardProblem;
    }
    return load.completed ? exitDone : exitLoadStopped;
}

int CardTool::resave() {
    const Load load = readCard(options.files.at(0));
    if (load.problem != CardProblem::None) {
        complain(terminalLines(CardProblemMessage(load.problem)));
        return exitCardProblem;
    }
    if (!load.completed) {
        complain(QStringLiteral("the card could not be read completely; nothing written"));
        return exitLoadStopped;
    }
    AppModel& model = Model();
    const QString target = QFileInfo(options.files.at(1)).absoluteFilePath();
    QString error;
    if (!WriteCardFile(target, CardSelection::FromCatalogue(*model.dataManager),
                       *model.photoManager, *model.pictureObjects,
                       model.dataManager->GraphicsPath(), &error)) {
        complain(QStringLiteral("cannot write ") + target + QStringLiteral(": ") +
                 terminalLines(error));
        return exitWrongUse;
    }
    return exitDone;
}
