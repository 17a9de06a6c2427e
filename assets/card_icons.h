#pragma once

// The drawings on the Chance and Community Chest faces. Each fills the
// given box, keeping its proportions, in the painter's coordinates.

#include <QRectF>
#include <QStringList>

class QPainter;

namespace tycora::art::cardicons {

void streetSign(QPainter &p, const QRectF &box, const QStringList &name); // a London street-name plate
void goArrow(QPainter &p, const QRectF &box);         // GO on an arrow
void backThree(QPainter &p, const QRectF &box);       // a turning-back arrow with a 3
void coinStack(QPainter &p, const QRectF &box);
void banknote(QPainter &p, const QRectF &box);
void moneyBag(QPainter &p, const QRectF &box);
void jailWindow(QPainter &p, const QRectF &box);      // a barred cell window
void repairs(QPainter &p, const QRectF &box);         // a house and a spanner
void railTicket(QPainter &p, const QRectF &box);
void key(QPainter &p, const QRectF &box);
void medicalCross(QPainter &p, const QRectF &box);
void schoolBook(QPainter &p, const QRectF &box);
void rosette(QPainter &p, const QRectF &box);
void scroll(QPainter &p, const QRectF &box);          // a deed or share certificate
void giftBox(QPainter &p, const QRectF &box);
void utilities(QPainter &p, const QRectF &box);       // a light bulb and a tap

} // namespace tycora::art::cardicons
