#pragma once

#include <QString>

// Opening the card file named by CurrentCardFile, in three steps: the header (before anything
// else), the objects, and the photo (when the editor loads).

// ReadCardHeader's problem codes.
namespace CardProblem {
constexpr int None = 0;
constexpr int FileMissing = 1; // also anything that is not a regular file, or unreadable
constexpr int TooLarge = 2;
constexpr int NoHeader = 3;
constexpr int NotACard = 4;
constexpr int UnknownOccasion = 5;
constexpr int UnknownStyle = 6;
} // namespace CardProblem

// Starts a new, empty card, validates the header and selects the card's occasion, style and
// frame in the catalogue. Returns a CardProblem code.
int ReadCardHeader();

// Reads the objects into the card's collection, re-rooting clip art on the graphics folder and
// dropping art that is not on the disc (with one warning). False only when the user cancelled
// the prompt for the disc. *discrepancy, when given, tells whether something was dropped.
bool ReadCardObjects(bool* discrepancy = nullptr);

// Reads the photo and its adjustments, letting the user look for a missing photo. False only
// when the user cancelled that question. *discrepancy, when given, tells whether the card goes on
// without its photo.
bool ReadCardPhoto(bool* discrepancy = nullptr);

// What the user is told about a problem code; "" for 0.
QString CardProblemMessage(int code);
// Shows CardProblemMessage in the program's message box (nothing for 0).
void ReportCardProblem(int code);
