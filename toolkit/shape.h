#pragma once

// A drawn shape: rectangle, rounded rectangle or circle, with a back colour
// (when opaque), a fill (solid or transparent) and a border. It takes no
// mouse input: the pointer passes through to whatever lies behind it.

#include <QColor>
#include <QWidget>

namespace tycora::ui {

class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle, Circle };
    enum class FillStyle { Solid = 0, Transparent = 1 };

    explicit Shape(QWidget *parent = nullptr, Kind kind = Kind::Rectangle);

    Kind kind() const { return kind_; }
    void setKind(Kind kind);

    FillStyle fillStyle() const { return fillStyle_; }
    void setFillStyle(FillStyle style);
    QColor fillColour() const { return fillColour_; }
    void setFillColour(const QColor &colour);

    // The back colour shows only while the shape is opaque.
    bool backOpaque() const { return backOpaque_; }
    void setBackOpaque(bool opaque);
    QColor backColour() const { return backColour_; }
    void setBackColour(const QColor &colour);

    bool hasBorder() const { return border_; }
    void setBorder(bool on);
    QColor borderColour() const { return borderColour_; }
    void setBorderColour(const QColor &colour);

    // The colour a viewer sees inside the shape: the fill when solid, the
    // back colour when opaque, otherwise nothing (invalid colour).
    QColor insideColour() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF outline() const;

    Kind kind_;
    FillStyle fillStyle_ = FillStyle::Transparent;
    QColor fillColour_ = Qt::black;
    bool backOpaque_ = false;
    QColor backColour_ = Qt::white;
    bool border_ = true;
    QColor borderColour_ = Qt::black;
};

} // namespace tycora::ui
