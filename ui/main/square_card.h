#pragma once

// What the deed card and the statistics card have in common: a white card
// about one square, shown over the foot of the players' column, with a
// border, a title strip in the square's colour bearing its name, and rows
// of a caption and a figure.

#include "toolkit/frame.h"

#include <string_view>

namespace tycora {
struct SquareInfo;
}

namespace tycora::ui {

class Label;
class Shape;

// A row of a card: a caption sized to its text, and a figure either in the
// right-aligned column (figureLeft 0) or after the caption.
struct CardRow {
    const char *captionName;
    const char *caption;
    int captionLeft;
    int top;
    const char *figureName;
    int figureLeft = 0;
};

class SquareCard : public Frame {
    Q_OBJECT
protected:
    // The names of the card and of its border, strip and title.
    struct Names {
        const char *card;
        const char *border;
        const char *strip;
        const char *title;
    };
    SquareCard(QWidget *window, int left, const Names &names);

    struct RowLabels {
        Label *caption;
        Label *figure;
    };
    RowLabels addRow(const CardRow &row);

    // A caption on a strip of the square's colour: a street's group colour,
    // a dark slate for stations and utilities.
    void showTitle(const SquareInfo &square, std::string_view caption);

    static QString timesDice(int factor);

private:
    Shape *strip_ = nullptr;
    Label *title_ = nullptr;
};

} // namespace tycora::ui
