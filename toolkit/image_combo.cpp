#include "toolkit/image_combo.h"

namespace tycora::ui {

ImageCombo::ImageCombo(QWidget *parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this] { emit picked(); });
}

void ImageCombo::setPictureList(const PictureList *pictures) { pictures_ = pictures; }

void ImageCombo::clearEntries() { clear(); }

void ImageCombo::addEntry(const QString &text, int pictureNumber)
{
    const Art art = pictures_ ? pictures_->picture(pictureNumber) : Art();
    addItem(art.icon(), text);
}

QString ImageCombo::text() const { return currentIndex() >= 0 ? currentText() : placeholderText(); }

void ImageCombo::setText(const QString &text)
{
    const int i = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0) {
        setCurrentIndex(i);
    } else {
        setCurrentIndex(-1);
        setPlaceholderText(text);
    }
}

} // namespace tycora::ui
