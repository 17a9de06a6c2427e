#pragma once

// A drop-down list whose entries show a picture beside a text. Its text can
// also be set to something that is not an entry (a placeholder such as
// "Playing Piece"); picking an entry by hand reports picked().

#include "toolkit/picture_list.h"

#include <QComboBox>

namespace tycora::ui {

class ImageCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ImageCombo(QWidget *parent = nullptr);

    void setPictureList(const PictureList *pictures);
    const PictureList *pictureList() const { return pictures_; }

    void clearEntries();
    void addEntry(const QString &text, int pictureNumber);

    // The picked entry's text, or the text set by setText when none is.
    QString text() const;
    void setText(const QString &text);

signals:
    void picked();

private:
    const PictureList *pictures_ = nullptr;
};

} // namespace tycora::ui
