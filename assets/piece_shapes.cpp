#include "assets/piece_shapes.h"

#include <QPolygonF>

#include <initializer_list>

namespace tycora::art::shapes {

namespace {

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundedBox(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A terrier standing, facing right: square body, beard, pricked ears,
// upright tail.
QPainterPath dog()
{
    QPainterPath p;
    p.moveTo(6.5, 3.5);                       // tail tip
    p.quadTo(8.5, 6, 10, 11);
    p.quadTo(20, 10.2, 29.5, 10.5);            // back
    p.lineTo(30.5, 5.5);                       // back of the head
    p.lineTo(31.8, 1.5);                       // first ear
    p.lineTo(33.8, 5);
    p.lineTo(35.3, 1.8);                       // second ear
    p.lineTo(36.6, 6.2);
    p.quadTo(39.5, 7, 41.5, 9.5);              // muzzle
    p.quadTo(42.8, 11, 42, 12.8);              // nose
    p.quadTo(41.5, 16, 39, 17.5);              // beard
    p.quadTo(37, 18.5, 36.5, 19.5);
    p.lineTo(37, 27.5);                        // front leg
    p.lineTo(32.5, 27.5);
    p.lineTo(31.8, 22.5);
    p.quadTo(23, 23.8, 16.5, 22.5);            // fringed belly
    p.lineTo(15.8, 27.5);                      // hind leg
    p.lineTo(11.2, 27.5);
    p.quadTo(9.6, 22, 8.2, 17);
    p.quadTo(7, 13, 7.5, 11.5);
    p.quadTo(5.8, 7, 4.6, 4.5);                // tail, back edge
    p.quadTo(5.2, 3.2, 6.5, 3.5);
    p.closeSubpath();
    return p;
}

// A vintage open tourer facing left, with spare wheel and running board.
QPainterPath car()
{
    QPainterPath body;
    body.moveTo(1.5, 20.5);
    body.lineTo(2, 15.5);                      // radiator
    body.quadTo(2.5, 13.8, 5, 13.5);
    body.lineTo(16.5, 12.8);                   // bonnet
    body.lineTo(18.5, 5.5);                    // windscreen
    body.lineTo(20.3, 5.5);
    body.lineTo(19.8, 12.5);
    body.lineTo(27.5, 12.3);                   // seats
    body.quadTo(28.5, 8.5, 32, 8.3);           // seat back
    body.quadTo(35.5, 8.5, 37, 12.5);
    body.quadTo(41.5, 13.5, 42.3, 17.5);       // tail
    body.lineTo(42.5, 20.5);
    body.closeSubpath();
    QPainterPath p = body;
    p.addPath(circle({10, 22.5}, 5.6));
    p.addPath(circle({34, 22.5}, 5.6));
    p.addPath(roundedBox({4, 19.5, 36, 3}, 1.2));
    return p.simplified();
}

// A battleship in profile, bow to the left: hull, turrets with guns,
// superstructure, funnels and mast.
QPainterPath battleship()
{
    QPainterPath p = polygon({{0.8, 17.2}, {43.2, 17.2}, {41.5, 22}, {38.5, 24.6}, {6.5, 24.6}, {3, 21}});
    p.addPath(roundedBox({15, 11, 14, 6.6}, 1));          // superstructure
    p.addPath(polygon({{18, 11.2}, {18.6, 6.2}, {24, 6.2}, {24.6, 11.2}})); // bridge
    p.addPath(roundedBox({20.7, 0.8, 1.3, 6}, 0.5));       // mast
    p.addPath(roundedBox({17.5, 2.8, 7.5, 1.1}, 0.5));     // yard
    p.addPath(polygon({{26, 11.2}, {26.6, 6.8}, {30, 6.8}, {30.4, 11.2}})); // funnel
    p.addPath(polygon({{31, 12}, {31.5, 9}, {34, 9}, {34.3, 12}}));         // second funnel
    p.addPath(roundedBox({7.5, 13.6, 6, 4}, 1.5));         // fore turret
    p.addPath(roundedBox({2, 14.3, 6.5, 1.3}, 0.6));       // its gun
    p.addPath(roundedBox({33.5, 13.6, 6, 4}, 1.5));        // aft turret
    p.addPath(roundedBox({38.5, 14.3, 5, 1.3}, 0.6));      // its gun
    return p.simplified();
}

// A tall top hat with a curled brim.
QPainterPath hat()
{
    QPainterPath crown;
    crown.moveTo(13.5, 4);
    crown.quadTo(22, 0.6, 30.5, 4);            // slightly domed top
    crown.quadTo(29.5, 13, 30.8, 21.5);        // waisted side
    crown.lineTo(13.2, 21.5);
    crown.quadTo(14.5, 13, 13.5, 4);
    crown.closeSubpath();
    QPainterPath brim;
    brim.moveTo(2.5, 21);
    brim.quadTo(4, 25, 10, 26.8);
    brim.quadTo(22, 29.8, 34, 26.8);
    brim.quadTo(40, 25, 41.5, 21);
    brim.quadTo(40, 22.5, 36, 21.5);
    brim.quadTo(22, 18.2, 8, 21.5);
    brim.quadTo(4, 22.5, 2.5, 21);
    brim.closeSubpath();
    QPainterPath p = crown;
    p.addPath(brim);
    return p.simplified();
}

// A laced ankle boot, toe to the left.
QPainterPath shoe()
{
    QPainterPath p;
    p.moveTo(3, 27.6);
    p.quadTo(1, 27, 1.5, 24.2);                // toe
    p.quadTo(2.2, 20.4, 7, 19.2);
    p.quadTo(14, 17.6, 19.5, 14.2);            // vamp
    p.quadTo(22, 12, 22.5, 8);                 // instep
    p.lineTo(23, 2.8);                         // front of the shaft
    p.quadTo(30, 1.6, 37.5, 2.6);              // top of the shaft
    p.quadTo(38.5, 12, 40.5, 18);              // back of the shaft
    p.quadTo(42.5, 21, 42.2, 24.5);            // heel counter
    p.lineTo(42.2, 27.6);
    p.lineTo(34, 27.6);                        // heel
    p.lineTo(33, 25.5);
    p.quadTo(22, 24.5, 12, 25.5);              // waist of the sole
    p.lineTo(11, 27.6);
    p.closeSubpath();
    return p;
}

// A garden wheelbarrow: wheel to the left, tray, handles and legs.
QPainterPath wheelbarrow()
{
    QPainterPath p = polygon({{5, 8.5}, {31, 8.5}, {29, 18}, {11.5, 18}});       // tray
    p.addPath(roundedBox({3.5, 7.2, 29, 2.4}, 1));                            // rim
    p.addPath(circle({9, 22.5}, 5.5));                                        // wheel
    p.addPath(polygon({{8.2, 21.2}, {27, 13.8}, {43, 13.6}, {43.2, 15.8}, {27.5, 16.2}, {9.8, 23.6}})); // handle frame
    p.addPath(polygon({{25, 17.5}, {27, 17.5}, {28.6, 27.8}, {26.4, 27.8}})); // leg
    p.addPath(roundedBox({25, 26.6, 5.5, 1.6}, 0.7));                         // foot
    return p.simplified();
}

} // namespace

QPainterPath silhouette(Piece piece)
{
    QPainterPath path;
    switch (piece) {
    case Piece::Dog: path = dog(); break;
    case Piece::Car: path = car(); break;
    case Piece::Battleship: path = battleship(); break;
    case Piece::Hat: path = hat(); break;
    case Piece::Shoe: path = shoe(); break;
    case Piece::Wheelbarrow: path = wheelbarrow(); break;
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath detail(Piece piece)
{
    QPainterPath d;
    switch (piece) {
    case Piece::Dog:
        d.addEllipse(QPointF(37.8, 9.2), 0.9, 0.9);  // eye
        d.moveTo(30, 11); d.quadTo(31.5, 15, 33.5, 18.5); // collar
        d.moveTo(12, 16); d.quadTo(20, 19, 28, 16);       // flank
        break;
    case Piece::Car:
        d.addEllipse(QPointF(10, 22.5), 2.2, 2.2);   // hubs
        d.addEllipse(QPointF(34, 22.5), 2.2, 2.2);
        d.moveTo(21.5, 13); d.lineTo(21.5, 19);       // door
        d.moveTo(4, 16); d.lineTo(15, 15.5);          // bonnet louvre
        d.addEllipse(QPointF(3.2, 14.6), 0.9, 0.9);  // lamp
        break;
    case Piece::Battleship:
        for (qreal x = 9; x <= 37; x += 5)
            d.addEllipse(QPointF(x, 20.3), 0.7, 0.7); // portholes
        d.moveTo(3.5, 19.8); d.lineTo(41.5, 19.8);    // deck line
        break;
    case Piece::Hat:
        d.moveTo(13.6, 16.8); d.quadTo(22, 18.4, 30.4, 16.8); // hat band
        d.moveTo(13.4, 19.8); d.quadTo(22, 21.4, 30.6, 19.8);
        break;
    case Piece::Shoe:
        d.moveTo(20, 15.5); d.quadTo(24, 18, 28, 18.5); // lace panel
        for (qreal y = 5; y <= 14; y += 3) {             // laces
            d.moveTo(23, y); d.lineTo(27, y + 1.2);
        }
        d.moveTo(3, 25.5); d.quadTo(20, 22.8, 41.5, 24.6); // welt
        break;
    case Piece::Wheelbarrow:
        d.addEllipse(QPointF(9, 22.5), 1.8, 1.8);     // hub
        d.moveTo(8, 10.5); d.lineTo(29.5, 10.5);       // inside of the tray
        d.moveTo(15, 10.5); d.lineTo(15.5, 17.5);      // panel seams
        d.moveTo(22, 10.5); d.lineTo(22, 17.5);
        break;
    }
    return d;
}

} // namespace tycora::art::shapes
