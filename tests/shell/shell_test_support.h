#pragma once

// Helpers for the tests of the windows around the game: reading the pixels
// of a grab, picking combo entries as a user does, and the texts of combos.

#include "support/shell_controls.h"
#include "toolkit/image_combo.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace tycora::testing {

// The window as a person sees it.
inline QImage grabImage(QWidget &w) { return w.grab().toImage(); }

// The colour at logical pixel (x, y) of a grab made at any device pixel
// ratio (the middle of the device pixels that make up that pixel).
inline QColor pixelAt(const QImage &image, int x, int y)
{
    const qreal dpr = image.devicePixelRatio();
    const int dx = static_cast<int>(std::floor((x + 0.5) * dpr));
    const int dy = static_cast<int>(std::floor((y + 0.5) * dpr));
    return image.pixelColor(dx, dy).toRgb();
}

inline QStringList comboEntries(const QComboBox &combo)
{
    QStringList out;
    for (int i = 0; i < combo.count(); ++i)
        out << combo.itemText(i);
    return out;
}

// Opens the drop-down list, moves to the entry and presses Return, which
// is how a keyboard user picks it; the combo then reports the pick.
inline void pick(ui::ImageCombo &combo, const QString &text)
{
    const int i = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(i, 0) << "no entry " << text.toStdString();
    combo.showPopup();
    QAbstractItemView *view = combo.view();
    view->setCurrentIndex(combo.model()->index(i, combo.modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible());
}

// Enters a player in the set-up window as a user does: the name written
// in, a pick in each of the three combos, then "Add Player".
inline void enterPlayer(const QWidget &setUp, const QString &name, const QString &piece, const QString &colour,
                        const QString &type)
{
    const SetUpControls controls(setUp);
    controls.txtName->setText(name);
    pick(*controls.imgcPieces, piece);
    pick(*controls.imgcColours, colour);
    pick(*controls.imgcType, type);
    controls.cmdAdd->click();
}

// Clicks the set-up window's button of that name.
inline void clickButton(const QWidget &window, const QString &name) { control<ui::CommandButton>(window, name)->click(); }

// Lets windows closed with unload() be deleted.
inline void processDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace tycora::testing
