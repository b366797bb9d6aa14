#pragma once

#include <QString>

// The file dialogs of card files and the printer set-up, asked through the dialog seam.
namespace FileSaveDialog {

// Asks where to save the card; on a choice sets CurrentCardFile, remembers the folder and
// returns true.
bool DisplaySave();
// Asks for a card to open; on a choice sets CurrentCardFile, remembers the folder and returns
// true. Otherwise CurrentCardFile stays as it was.
bool DisplayLoad();
// Shows the printer set-up; always false.
bool DisplayPrint();

// The folder part of a path (up to and including its last separator); "" when it has none.
QString FolderOf(const QString& path);
// True when the path lies on the application disc.
bool LiesOnApplicationDisc(const QString& path);

} // namespace FileSaveDialog
