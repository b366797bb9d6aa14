#pragma once

#include <QString>

// The numbered text table: every text the program shows a person.
namespace Texts {
// The text with that number; "" for a number that the table does not hold.
QString at(int number);
// True when the table holds the number.
bool has(int number);
} // namespace Texts
