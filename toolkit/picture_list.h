#pragma once

// An ordered list of pictures, numbered from 1, each with a text key.

#include "toolkit/art.h"

#include <QString>

#include <vector>

namespace tycora::ui {

class PictureList {
public:
    void add(const QString &key, const Art &art) { items_.push_back({key, art}); }

    int count() const { return static_cast<int>(items_.size()); }

    // Picture number i (1..count); a null Art for any other number.
    Art picture(int i) const { return valid(i) ? items_[i - 1].art : Art(); }
    QString key(int i) const { return valid(i) ? items_[i - 1].key : QString(); }

    // The number of the picture with this key, 0 when there is none.
    int indexOf(const QString &key) const
    {
        for (int i = 0; i < count(); ++i)
            if (items_[i].key == key)
                return i + 1;
        return 0;
    }

private:
    bool valid(int i) const { return i >= 1 && i <= count(); }
    struct Item {
        QString key;
        Art art;
    };
    std::vector<Item> items_;
};

} // namespace tycora::ui
