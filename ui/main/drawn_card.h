#pragma once

// The face of the last Chance or Community Chest card drawn (imgCard),
// shown over the foot of the players' column until the turn moves on.

class QWidget;

namespace tycora::ui {

class Art;
class Picture;

class DrawnCard final {
public:
    explicit DrawnCard(QWidget *window);

    void showFace(const Art &face);
    void hide();

private:
    Picture *imgCard_ = nullptr;
};

} // namespace tycora::ui
