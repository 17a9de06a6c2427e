#pragma once

// A frame: a captioned border that holds other controls, placed in the
// frame's own coordinates. Mouse moves over its background are its own and
// do not reach the window behind it.

#include "toolkit/array_control.h"

#include <QColor>

namespace tycora::ui {

class Frame : public ArrayControl {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr, int index = -1);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption) { changeLook(caption_, caption); }

    void setBackColour(const QColor &colour) { changeLook(back_, colour); }
    QColor backColour() const { return back_; }

    // A frame without border draws only its background (the pop-up cards).
    void setBorder(bool on) { changeLook(border_, on); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
    QColor back_;
    bool border_ = true;
};

} // namespace tycora::ui
