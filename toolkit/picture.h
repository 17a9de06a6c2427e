#pragma once

// A picture control: shows an Art (stretched to the control or at its own
// size), has a tooltip, and reports mouse moves with its control-array index.
// Where the picture is transparent, what lies behind shows through.

#include "toolkit/array_control.h"
#include "toolkit/art.h"

namespace tycora::ui {

class Picture : public ArrayControl {
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr, int index = -1);

    const Art &picture() const { return art_; }
    void setPicture(const Art &art);
    void clearPicture() { setPicture(Art()); }

    bool stretch() const { return stretch_; }
    void setStretch(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Art art_;
    bool stretch_ = true;
};

} // namespace tycora::ui
