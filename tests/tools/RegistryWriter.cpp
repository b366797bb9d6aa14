// Writes many settings into one store; two of these run at once in the registry tests.
#include "platform/Registry.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        return 2;
    }
    Registry registry(arguments[1]);
    const int count = arguments[3].toInt();
    for (int i = 0; i < count; ++i) {
        if (!registry.setValue({arguments[2], QString::number(i)}, QString(), QString::number(i))) {
            return 1;
        }
    }
    return 0;
}
