#pragma once

#include <QString>
#include <QStringList>

// Checks that a disc and its catalogue belong together: every catalogue path has its files,
// every offered style has its six frames in frame-index order with the sizes and photo holes of
// their layout codes, every occasion has styles and sentiments. Returns one line per problem;
// empty when the disc is sound.
QStringList CheckDisc(const QString& discRoot, const QString& catalogueFile);
