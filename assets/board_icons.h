#pragma once

// Little drawings printed on the board squares and reused on the cards:
// each one fills the given box (keeping its proportions, centred) in the
// painter's current coordinates.

#include <QColor>
#include <QRectF>

class QPainter;

namespace tycora::art::icons {

void locomotive(QPainter &p, const QRectF &box);             // steam engine, facing left
void lightBulb(QPainter &p, const QRectF &box);              // a lit bulb with rays
void waterTap(QPainter &p, const QRectF &box);               // a brass tap with a drop
void treasureChest(QPainter &p, const QRectF &box);          // a banded wooden chest
void questionMark(QPainter &p, const QRectF &box, const QColor &colour);
void policeHelmet(QPainter &p, const QRectF &box);           // a constable's helmet
void diamondRing(QPainter &p, const QRectF &box);            // gold ring with a stone
void poundCoin(QPainter &p, const QRectF &box);              // a gold coin with £
void touringCar(QPainter &p, const QRectF &box, const QColor &paint); // the car piece in colour

} // namespace tycora::art::icons
