#pragma once

// A top-level window of the game. It knows whether a close comes from the
// user (close box, window menu, keyboard) or from the program, keeps the
// lines drawn on it with drawLine(), and, when borderless, can be dragged by its
// background like any window: it follows the pointer only while the left
// button is held, so a tap on the background never leaves it stuck to the
// pointer.

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

namespace tycora::ui {

// A secondary window (a Form or a dialog) opens over the window it belongs
// to: its parent's, or the owner named here (for a window shared by several
// boards). The first time it opens centred over the part of the owner that
// is on the screen, later where it was last, its middle as far from the
// owner's middle as then; always on the screen, and held by the owner as
// its transient child. Places are remembered by object name (and kind of
// owner) for the run. A window with a place of its own to start from says
// so with placeFirst.
void keepPlacedOver(QWidget &window, QWidget *owner = nullptr, std::function<void()> placeFirst = {});

// Puts the window's frame in the middle of the given area, or at its top
// left where the area is too small for it: the one way windows are centred.
void centreIn(QWidget &window, const QRect &area);

class Form : public QWidget {
    Q_OBJECT
public:
    enum class CloseReason { User, Program };

    explicit Form(QWidget *parent = nullptr);

    void setClientSizeTwips(int width, int height);
    int widthTwips() const;
    int heightTwips() const;

    void setBackColour(const QColor &colour);
    // No border and no title bar; the background then drags the window.
    void setBorderless(bool borderless);
    // A title bar with the close and minimise buttons only: the window keeps
    // the size set with setClientSizeTwips and cannot be maximised. Call
    // before the window is first shown.
    void setFixedSizeWindow();
    // Puts the window in the middle of the primary screen's free area.
    void centreOnScreen();

    // A one-pixel line in twip coordinates that stays drawn; like every line
    // of the window, it covers its start point but not its end point.
    void drawLine(int x1, int y1, int x2, int y2, const QColor &colour);
    // What has been drawn with drawLine, at the window's size, on a
    // transparent picture.
    QImage drawing() const;

    // Closes and discards the window without asking anything.
    void unload();
    bool unloading() const { return unloading_; }

signals:
    void backgroundMouseMoved();

protected:
    // Asked before a close; returning true cancels it.
    virtual bool queryUnload(CloseReason reason);

    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void endDrag();
    void paintLines(QPainter &painter) const;
    // Leaves of each line only what lies inside the window's present size.
    void cutLines();

    // A press on the background of a borderless window starts a drag; the
    // window moves once the pointer has gone the desktop's drag distance
    // with the left button held.
    enum class Drag { None, Pressed, Moving };

    // The lines are kept rather than a window-sized picture of them and
    // painted over the background at every paint: a line a pixel wide costs
    // far less to fill than the window's area does to compose. A line that a
    // smaller size of the window cut off stays cut off if it grows again.
    struct Line {
        QRect pixels;   // a horizontal or vertical line's pixels
        QLine diagonal; // otherwise, the line drawn with a pen
        QColor colour;
        QRect kept;     // the part of the window it has always been inside
    };
    std::vector<Line> lines_;
    QColor back_;
    bool unloading_ = false;
    bool borderless_ = false;
    Drag drag_ = Drag::None;
    QPoint pressedAt_;    // global pointer position of the press
    QPoint dragOffset_;   // from the window's top left to the pointer
};

} // namespace tycora::ui
