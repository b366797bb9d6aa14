#pragma once

#include <QString>

// The disc folder's life in the builder: emptied before painting, topped up with fixed files.
namespace DiscFolder {

// Empties the disc folder (creating it when missing) and removes the old catalogue. Refuses a
// folder that holds files but no "Graphics" folder: that is no disc and is left alone.
bool Prepare(const QString& discRoot, const QString& catalogueFile, QString* error);

// Copies every file below contentFolder to the same place below discRoot; a missing
// contentFolder copies nothing.
bool CopyContent(const QString& contentFolder, const QString& discRoot, QString* error);

} // namespace DiscFolder
