// The README's pictures of jail, auctions and the card faces under Full
// rules. Runs only when TYCORA_README_PICTURES names a folder
// (scripts/screenshots runs it under Xvfb).
// A dialog is drawn over the board where it opens, centred on the window.

#include "full_rules_game.h"

#include "assets/art_catalog.h"
#include "game/square_table.h"

#include <QPainter>
#include <QTest>

#include <utility>
#include <vector>

namespace tycora::testing {
namespace {

class JailAuctionScreenshots : public FullRulesGame {
protected:
    void SetUp() override
    {
        folder = QString::fromLocal8Bit(qgetenv("TYCORA_README_PICTURES"));
        if (folder.isEmpty())
            GTEST_SKIP() << "TYCORA_README_PICTURES is not set";
        FullRulesGame::SetUp();
    }

    // A game some rounds in: each player holds a few deeds.
    void stageGame()
    {
        const std::pair<int, std::vector<int>> holdings[] = {
            {0, {1, 3, 5, 16}}, {1, {6, 8, 11, 25}}, {2, {21, 23, 24, 28}}};
        for (const auto &[player, squares] : holdings) {
            for (const int square : squares) {
                state.Properties[square].Owned = true;
                state.Properties[square].Owner = static_cast<Integer>(player);
                state.Players[player].Money =
                    static_cast<Integer>(state.Players[player].Money - squareInfo(square).price);
            }
        }
        // The first player's piece left GO some turns ago.
        state.Players[0].Place = 0;
        for (const auto &[player, square] : {std::pair{1, 15}, std::pair{2, 6}}) {
            state.Players[player].Square = state.Players[player].TargetSquare = static_cast<Integer>(square);
            state.Players[player].Place = 1;
        }
        screen().drawWhole(engine->options());
    }

    void runUntil(const std::function<bool()> &done)
    {
        for (int i = 0; i < 100000 && !done(); ++i)
            clock.advanceToNextTick();
    }

    QImage boardWith(QDialog *dialog) const
    {
        QImage image = form->grab().toImage();
        if (dialog && dialog->isVisible()) {
            QPainter painter(&image);
            const qreal ratio = image.devicePixelRatio();
            const QSize size = dialog->size();
            const QPoint at((form->width() - size.width()) / 2, (form->height() - size.height()) / 2);
            painter.drawPixmap(at, dialog->grab());
            painter.setPen(QPen(QColor(40, 60, 40), 1.0 / ratio));
            painter.drawRect(QRectF(at, QSizeF(size)).adjusted(0, 0, -1.0 / ratio, -1.0 / ratio));
        }
        return image;
    }

    void save(const QImage &image, const char *name) const
    {
        const QString file = folder + QLatin1Char('/') + QLatin1String(name);
        ASSERT_TRUE(image.save(file)) << file.toStdString();
    }

    QString folder;
};

TEST_F(JailAuctionScreenshots, JailQuestion)
{
    stageGame();
    state.JailCardHolder[1] = 0;
    screen().showPlayerState(0);
    throwFrom(0, 27, 1, 2);   // Go To Jail
    dice.push(2);
    dice.push(3);   // Ben, a computer, to Free Parking
    runUntil([&] { return state.CurrentPlayer == 2 && form->rollEnabled(); });
    throwFrom(2, 6, 1, 3);   // Cy visits the jail
    auto *question = form->findChild<QDialog *>(QStringLiteral("frmJail"));
    ASSERT_TRUE(question && question->isVisible());
    save(boardWith(question), "jail-question.png");
}

TEST_F(JailAuctionScreenshots, Auction)
{
    stageGame();
    throwFrom(0, 36, 1, 2);   // Mayfair, not bought
    auto *auction = form->findChild<QDialog *>(QStringLiteral("frmAuction"));
    ASSERT_TRUE(auction && auction->isVisible());
    QTest::mouseClick(control<ui::CommandButton>(*auction, QStringLiteral("cmdBidStep50")), Qt::LeftButton);
    save(boardWith(auction), "auction.png");
}

TEST_F(JailAuctionScreenshots, CardFaces)
{
    stageGame();
    state.CommunityPos = 7;   // PAY THE HOSPITAL £100
    throwFrom(0, 14, 1, 2);
    save(boardWith(nullptr), "card-full-rules.png");

    // Every face of both decks under Full rules: Chance on the left, Community Chest on the right.
    const QSize face(275, 140);
    constexpr int Gap = 10;
    QImage sheet(4 * face.width() + 5 * Gap, 7 * face.height() + 8 * Gap, QImage::Format_RGB32);
    sheet.fill(ui::boardGreen());
    QPainter painter(&sheet);
    for (int n = 1; n <= CardsPerDeck; ++n) {
        const int row = (n - 1) / 2;
        const int column = (n - 1) % 2;
        const int top = Gap + row * (face.height() + Gap);
        painter.drawImage(Gap + column * (face.width() + Gap), top, art::fullRulesCard(Deck::Chance, n).image(face));
        painter.drawImage(Gap + (column + 2) * (face.width() + Gap), top,
                          art::fullRulesCard(Deck::CommunityChest, n).image(face));
    }
    painter.end();
    save(sheet, "cards-full-rules.png");
}

} // namespace
} // namespace tycora::testing
