#pragma once

#include <QColor>
#include <QPainter>
#include <QString>
#include <QStringList>

// The recognisable subjects of the artwork (balloons, cakes, trees ...). Each paints itself
// into the box (0, 0) to (100, 100) of the painter's coordinates, in colours derived from a
// tint where the subject has a main colour.
namespace Subjects {

bool exists(const QString& name);
// Paints the named subject; false when there is no subject of that name.
bool paint(QPainter& painter, const QString& name, const QColor& tint);
QStringList names();

} // namespace Subjects
