#pragma once

// A frame: a captioned border that holds other controls, placed in the
// frame's own coordinates. Mouse moves over its background are its own and
// do not reach the window behind it.

#include <QColor>
#include <QWidget>

namespace tycora::ui {

class Frame : public QWidget {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr, int index = -1);

    int index() const { return index_; }

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    void setBackColour(const QColor &colour);
    QColor backColour() const { return back_; }

    // A frame without border draws only its background (the pop-up cards).
    void setBorder(bool on);

signals:
    void mouseMoved(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString caption_;
    QColor back_;
    int index_;
    bool border_ = true;
};

} // namespace tycora::ui
