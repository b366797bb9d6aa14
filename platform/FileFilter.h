#pragma once

#include <QString>

// Turns a filter of "description|patterns|..." pairs (ended by "||") into the
// "description (patterns);;..." form of the file dialogs.
QString FileDialogFilter(const QString& pairs);
