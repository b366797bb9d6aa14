#pragma once

// The application-wide hourglass pointer. Not counted: one Off undoes any number of Ons.
void BusyCursorOn();
void BusyCursorOff();
bool BusyCursorShown();
