#pragma once

#include <QString>

// CheckForFile results.
constexpr int FileFound = -1;
constexpr int FileNotFound = 0;
constexpr int FileMissingFromDisc = 1;

// Waits up to 10 s for a file (slow media); with promptForCD, tells a missing disc from a missing
// file and asks for the disc. -1 found, 0 not found or prompt cancelled, 1 disc there but no file.
int CheckForFile(const QString& path, bool promptForCD);

// How long CheckForFile polls for the file and for the disc (10 s and 5 s unless changed, as the
// command-line tool does for unattended runs).
void SetMediaWaits(qint64 fileMs, qint64 discMs);

// The text of the prompt for the application disc.
QString InsertCDMessage();

// True when path names an existing regular file; errors count as absent.
bool FileExistsNow(const QString& path);

// Turns a path with "\" or "/" separators into a native one; when it is not found exactly, a
// path that differs only in letter case is used instead.
QString NativePath(const QString& path);
