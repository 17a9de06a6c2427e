#pragma once

// A top-level window of the game. It knows whether a close comes from the
// user (close box, window menu, keyboard) or from the program, keeps what is
// drawn on it with drawLine(), and, when borderless, can be dragged by its
// background like any window.

#include <QImage>
#include <QWidget>

namespace tycora::ui {

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
    void centreOnScreen();

    // A one-pixel line in twip coordinates that stays drawn; like every line
    // of the window, it covers its start point but not its end point.
    void drawLine(int x1, int y1, int x2, int y2, const QColor &colour);
    // What has been drawn with drawLine, at the window's size.
    const QImage &drawing() const { return drawing_; }

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

private:
    void ensureDrawing();

    QImage drawing_;
    QColor back_;
    bool unloading_ = false;
    bool borderless_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace tycora::ui
