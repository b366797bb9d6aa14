// Makes the application disc: paints every picture into <disc>/Graphics, copies the fixed
// content files to the disc's root, writes the catalogue that names the pictures and adds the
// sample photos and cards.

#include "tools/disc-builder/CatalogueWriter.h"
#include "tools/disc-builder/DiscFolder.h"
#include "tools/disc-builder/art/DiscArtwork.h"
#include "tools/disc-builder/samples/SampleCards.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

int failed(const QString& reason) {
    std::fprintf(stderr, "disc-builder: %s\n", qUtf8Printable(reason));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // Painting needs fonts and a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: disc-builder <disc folder> <catalogue file>\n");
        return 2;
    }
    const QString discRoot = arguments[1];
    const QString catalogueFile = arguments[2];

    QString error;
    if (!DiscFolder::Prepare(discRoot, catalogueFile, &error)) {
        return failed(error);
    }
    const DiscRows rows = PaintGraphics(discRoot + QStringLiteral("/Graphics"));
    if (rows.occasions.isEmpty() || rows.frames.isEmpty()) {
        return failed(QStringLiteral("painting the pictures gave no occasions or no frames."));
    }
    if (!DiscFolder::CopyContent(QStringLiteral(TESSALY_DISC_CONTENT_DIR), discRoot, &error)) {
        return failed(error);
    }
    if (!WriteCatalogue(catalogueFile, rows, &error)) {
        return failed(QStringLiteral("cannot write %1: %2").arg(catalogueFile, error));
    }
    if (!WriteSampleCards(discRoot, rows, &error)) {
        return failed(error);
    }
    return 0;
}
