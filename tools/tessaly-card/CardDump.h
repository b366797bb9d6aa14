#pragma once

#include <QJsonObject>

// The card as read, as one JSON object: problem code, catalogue selection, photo, the flags of
// the load and the objects in stacking order.
QJsonObject CardDump(int problem, bool discrepancy);
