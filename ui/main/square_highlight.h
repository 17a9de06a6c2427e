#pragma once

// The frame around the square whose card is kept in view (shpHighlight):
// it shows which square a pinned card belongs to, and where the arrow keys
// have got to as they walk the board. It lies over the board and takes no
// mouse input.

#include <QWidget>

namespace tycora::ui {

class SquareHighlight final : public QWidget {
    Q_OBJECT
public:
    explicit SquareHighlight(QWidget *window);

    // Frames the printed tile of a square 0..39; any other number hides it.
    void showOn(int square);
    int square() const { return square_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int square_ = -1;
};

} // namespace tycora::ui
