#pragma once

// A word-wrapped label with room between its lines: a plain label sets the
// lines of a wrapped text tight against each other, which reads poorly in
// a paragraph of several lines. Its caption stays plain text.

#include "toolkit/label.h"

class QTextLayout;

namespace tycora::ui {

class LeadedLabel final : public Label {
public:
    using Label::Label;

    // Extra space between two lines, as a share of the font's line height.
    static constexpr double Leading = 0.35;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Lays the caption out in lines of `width`; returns the height it takes.
    int layOut(QTextLayout &layout, int width) const;
};

} // namespace tycora::ui
