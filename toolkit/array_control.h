#pragma once

// What pictures and frames share as members of a control array: the index
// the control has in its array, and a report of the mouse moving over it
// with that index, so one handler can serve the whole array.

#include <QWidget>

namespace tycora::ui {

class ArrayControl : public QWidget {
    Q_OBJECT
public:
    int index() const { return index_; }

signals:
    void mouseMoved(int index);

protected:
    ArrayControl(QWidget *parent, int index);

    // Changes a setting that decides how the control looks, and repaints.
    template<typename T>
    void changeLook(T &setting, const T &value)
    {
        setting = value;
        update();
    }

    // A mouse move over the control is its own: it does not reach the
    // window behind it.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int index_;
};

} // namespace tycora::ui
