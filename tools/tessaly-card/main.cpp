#include "platform/Dialogs.h"
#include "tools/tessaly-card/CardTool.h"
#include "tools/tessaly-card/UnattendedDialogs.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QString error;
    const auto options = CardTool::Parse(application.arguments().mid(1), &error);
    if (!options) {
        if (!error.isEmpty()) {
            std::fprintf(stderr, "tessaly-card: %s\n", qUtf8Printable(error));
        }
        std::fputs(qUtf8Printable(CardTool::Usage()), error.isEmpty() ? stdout : stderr);
        return error.isEmpty() ? 0 : 1;
    }
    UnattendedDialogs dialogs;
    Dialogs::setCurrent(&dialogs);
    const int result = CardTool(*options).Run();
    Dialogs::setCurrent(nullptr);
    return result;
}
