#pragma once

#include <QString>

// Paths as the catalogue and card files write them ("\" or "/" between the parts) turned into
// paths the file system takes.
class FilePaths {
public:
    // Both separators become "/"; a path that does not exist exactly is looked up part by part
    // without regard to letter case (pictures made on Windows do not care about case). A path
    // found neither way is returned with its separators changed only.
    static QString native(const QString& path);
};
