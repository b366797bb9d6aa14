#pragma once

#include <QString>

// Names of tables and columns in catalogue queries.
namespace SqlNames {

// An identifier in double quotes, so that no catalogue value can end it early.
QString quoted(const QString& identifier);
// SQLite compares column names without regard to ASCII letter case only.
QString asciiFolded(const QString& text);

} // namespace SqlNames
