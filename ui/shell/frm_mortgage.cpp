#include "ui/shell/frm_mortgage.h"

#include "assets/full_rules_art.h"
#include "assets/game_pictures.h"
#include "game/board.h"
#include "game/square_table.h"
#include "ui/shell/mortgage_card.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tycora::ui {

namespace {

// Pixels: the margins, the cards and the gaps between them, the heading
// above the cards and the note and Close button under them.
constexpr int Margin = 14;
constexpr int CardGap = 5;
constexpr int GroupGap = 16;
constexpr int ColumnGap = 12;
constexpr int HeadingTop = 10;
constexpr int NoteHeight = 32;
constexpr int MaxColumns = 3;

Shape *cardOutline(QWidget *parent, const QString &name, int left, int top, bool paleInside)
{
    auto *shape = new Shape(parent, Shape::Kind::RoundedRectangle);
    shape->setObjectName(name);
    shape->setBorderColour(Qt::black);
    shape->setFillStyle(Shape::FillStyle::Transparent);
    shape->setBackColour(boardGreen());
    shape->setBackOpaque(paleInside);
    place(shape, left, top, 405, 480);
    shape->hide();
    return shape;
}

// The set a deed belongs to, in the order the window shows them: the
// colour groups, then the stations, then the utilities.
int setOf(int square)
{
    const SquareInfo &info = squareInfo(square);
    switch (info.kind) {
    case SquareKind::Street: return info.group;
    case SquareKind::Station: return GroupCount;
    default: return GroupCount + 1;
    }
}

Art deedPicture(int square, bool mortgaged)
{
    const auto &cards = art::GamePictures::instance().imgsMortgage;
    Art card;
    switch (squareInfo(square).kind) {
    case SquareKind::Street: card = cards.picture(2 + groupOf(square)); break;
    case SquareKind::Station: card = art::stationMortgageCard(); break;
    default: card = art::utilityMortgageCard(square == squares::ElectricCompany); break;
    }
    return mortgaged ? art::mortgagedCard(card) : card;
}

// Splits the sets (their heights, in order) into at most `columns` runs,
// keeping each set whole and the tallest run as low as it can be; returns
// the index of the first set of each run.
std::vector<int> splitIntoColumns(const std::vector<int> &heights, int columns)
{
    const int n = static_cast<int>(heights.size());
    // best[k][i]: the lowest tallest run for the first i sets in k runs.
    std::vector<std::vector<int>> best(columns + 1, std::vector<int>(n + 1, INT_MAX));
    std::vector<std::vector<int>> cut(columns + 1, std::vector<int>(n + 1, 0));
    best[0][0] = 0;
    for (int k = 1; k <= columns; ++k)
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j <= i; ++j) {
                if (best[k - 1][j] == INT_MAX)
                    continue;
                int run = 0;
                for (int s = j; s < i; ++s)
                    run += heights[s] + (s > j ? GroupGap : 0);
                const int tallest = std::max(best[k - 1][j], run);
                if (tallest < best[k][i]) {
                    best[k][i] = tallest;
                    cut[k][i] = j;
                }
            }
    std::vector<int> starts;
    for (int k = columns, i = n; k > 0; --k) {
        starts.insert(starts.begin(), cut[k][i]);
        i = cut[k][i];
    }
    // Runs left empty add no column.
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    starts.erase(std::remove(starts.begin(), starts.end(), n), starts.end());
    return starts;
}

int tallestColumn(const std::vector<int> &heights, const std::vector<int> &starts)
{
    int tallest = 0;
    for (std::size_t c = 0; c < starts.size(); ++c) {
        const int end = c + 1 < starts.size() ? starts[c + 1] : static_cast<int>(heights.size());
        int run = 0;
        for (int s = starts[c]; s < end; ++s)
            run += heights[s] + (s > starts[c] ? GroupGap : 0);
        tallest = std::max(tallest, run);
    }
    return tallest;
}

} // namespace

FrmMortgage::FrmMortgage(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Mortgage Property"));
    setClientSizeTwips(8670, 6855);
    setBackColour(boardGreen());
    setFont(tahoma(8.25));

    shpProperty.add(1, cardOutline(this, QStringLiteral("shpProperty1"), 2460, 4035, false));
    shpProperty.add(3, cardOutline(this, QStringLiteral("shpProperty3"), 2460, 4245, true));
    shpProperty.add(6, cardOutline(this, QStringLiteral("shpProperty6"), 3045, 4035, true));
    shpProperty.add(8, cardOutline(this, QStringLiteral("shpProperty8"), 3045, 4245, true));
    shpProperty.add(9, cardOutline(this, QStringLiteral("shpProperty9"), 3045, 4455, true));
    Shape3 = cardOutline(this, QStringLiteral("Shape3"), 4380, 2670, false);

    lblHeading = new Label(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setFont(tahoma(9.75, true));
    lblHeading->setWordWrap(true);
    lblHeading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Board order is Tab order.
    for (const int square : ownableSquares()) {
        auto *card = new MortgageCard(this, square);
        card->setObjectName(QStringLiteral("deedCard%1").arg(square));
        card->hide();
        connect(card, &QAbstractButton::clicked, this, [this, square] {
            if (const Deed *d = deedOf(square); d && d->choosable)
                emit deedChosen(square);
        });
        connect(card, &MortgageCard::mouseCame, this, &FrmMortgage::showNoteOf);
        connect(card, &MortgageCard::focusCame, this, &FrmMortgage::showCurrentNote);
        connect(card, &MortgageCard::arrowPressed, this, &FrmMortgage::moveFocus);
        deedCards.add(square, card);
    }

    lblDeed = new Label(this);
    lblDeed->setObjectName(QStringLiteral("lblDeed"));
    lblDeed->setWordWrap(true);
    lblDeed->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    cmdClose = new CommandButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(this, &Form::backgroundMouseMoved, this, [this] {
        deedCards.forEach([](int, MortgageCard *card) { card->forgetPointer(); });
        showCurrentNote();
    });
    layOut();
}

const FrmMortgage::Deed *FrmMortgage::deedOf(int square) const
{
    const auto it = std::find_if(deeds_.begin(), deeds_.end(), [square](const Deed &d) { return d.square == square; });
    return it != deeds_.end() ? &*it : nullptr;
}

void FrmMortgage::showDeeds(const QString &heading, const std::vector<Deed> &deeds)
{
    deeds_ = deeds;
    lblHeading->setCaption(heading);
    deedCards.forEach([this](int square, MortgageCard *card) {
        const Deed *d = deedOf(square);
        card->setVisible(d != nullptr);
        if (!d)
            return;
        card->setFace({deedPicture(square, d->mortgaged), d->name, d->mortgaged ? tr("Mortgaged") : tr("Not mortgaged"),
                       d->action, d->mortgaged, d->choosable});
        card->setToolTip(d->note);
    });
    layOut();
    showCurrentNote();
}

void FrmMortgage::layOut()
{
    // The shown cards, set by set, each set in board order.
    std::vector<MortgageCard *> shown;
    deedCards.forEach([&](int square, MortgageCard *card) {
        if (deedOf(square))
            shown.push_back(card);
    });
    std::stable_sort(shown.begin(), shown.end(),
                     [](const MortgageCard *a, const MortgageCard *b) { return setOf(a->square()) < setOf(b->square()); });
    std::vector<std::vector<MortgageCard *>> sets;
    for (MortgageCard *card : shown) {
        if (sets.empty() || setOf(sets.back().front()->square()) != setOf(card->square()))
            sets.emplace_back();
        sets.back().push_back(card);
    }
    constexpr int CardWidth = MortgageCard::Width;
    constexpr int CardHeight = MortgageCard::Height;
    std::vector<int> heights;
    for (const auto &set : sets)
        heights.push_back(static_cast<int>(set.size()) * (CardHeight + CardGap) - CardGap);

    // As few columns as keep the cards within the height of eight, at most
    // three (twenty-eight deeds fit).
    std::vector<int> starts;
    for (int columns = 1; columns <= MaxColumns && !sets.empty(); ++columns) {
        starts = splitIntoColumns(heights, columns);
        if (tallestColumn(heights, starts) <= 8 * (CardHeight + CardGap))
            break;
    }

    const int columns = std::max<int>(1, static_cast<int>(starts.size()));
    const int width = 2 * Margin + columns * CardWidth + (columns - 1) * ColumnGap;
    // The heading over the cards takes the lines it needs, two at least.
    const int headingWidth = width - 2 * Margin;
    const int headingHeight =
        std::max(lblHeading->heightForWidth(headingWidth), 2 * lblHeading->fontMetrics().lineSpacing());
    lblHeading->setGeometry(Margin, HeadingTop, headingWidth, headingHeight);
    const int cardsTop = lblHeading->geometry().bottom() + 1 + 10;
    for (int c = 0; c < static_cast<int>(starts.size()); ++c) {
        const int end = c + 1 < static_cast<int>(starts.size()) ? starts[c + 1] : static_cast<int>(sets.size());
        int y = cardsTop;
        for (int s = starts[c]; s < end; ++s) {
            for (MortgageCard *card : sets[s]) {
                card->setGeometry(Margin + c * (CardWidth + ColumnGap), y, CardWidth, CardHeight);
                y += CardHeight + CardGap;
            }
            y += GroupGap - CardGap;
        }
    }
    // Under the cards: the note of the card pointed at, then Close.
    const int cardsBottom = cardsTop + tallestColumn(heights, starts);
    lblDeed->setGeometry(Margin, cardsBottom + 8, width - 2 * Margin, NoteHeight);
    const QSize close(px(1150), px(375));
    cmdClose->setGeometry(width - Margin - close.width(), lblDeed->geometry().bottom() + 1 + 6, close.width(),
                          close.height());
    setFixedSize(width, cmdClose->geometry().bottom() + 1 + 12);
}

void FrmMortgage::showOver(QWidget *owner)
{
    if (owner && owner->window()) {
        QWidget *top = owner->window();
        // Belonging to the board keeps the window above it and lets the
        // window system place it as the board's own.
        winId();
        if (windowHandle() && top->windowHandle())
            windowHandle()->setTransientParent(top->windowHandle());
        // Where it opens is its placer's business: centred over the board
        // the first time, where it was left after that.
    }
    show();
    raise();
    activateWindow();
    if (MortgageCard *first = firstChoosable())
        first->setFocus(Qt::OtherFocusReason);
    // Told now: the focus itself arrives once the window system has made
    // the window active.
    showCurrentNote();
}

MortgageCard *FrmMortgage::firstChoosable() const
{
    for (const Deed &d : deeds_)
        if (d.choosable)
            return deedCards(d.square);
    return nullptr;
}

void FrmMortgage::showNoteOf(int square)
{
    const Deed *d = deedOf(square);
    lblDeed->setCaption(d ? d->note : QString());
}

void FrmMortgage::showCurrentNote()
{
    // The card under the mouse, else the one with the focus.
    int square = -1;
    deedCards.forEach([&](int index, MortgageCard *card) {
        if (card->isVisible() && card->pointedAt())
            square = index;
    });
    const auto *focused = qobject_cast<const MortgageCard *>(focusWidget());
    if (square < 0 && focused && focused->isVisible())
        square = focused->square();
    showNoteOf(square);
}

void FrmMortgage::moveFocus(int fromSquare, int key)
{
    // The nearest shown card that way: along the arrow first, and of those
    // the least off to the side.
    const MortgageCard *from = deedCards(fromSquare);
    if (!from)
        return;
    const QPoint a = from->geometry().center();
    MortgageCard *best = nullptr;
    long bestScore = LONG_MAX;
    deedCards.forEach([&](int, MortgageCard *card) {
        if (card == from || !card->isVisible())
            return;
        const QPoint b = card->geometry().center();
        const int dx = b.x() - a.x(), dy = b.y() - a.y();
        int along = 0, aside = 0;
        switch (key) {
        case Qt::Key_Left: along = -dx, aside = dy; break;
        case Qt::Key_Right: along = dx, aside = dy; break;
        case Qt::Key_Up: along = -dy, aside = dx; break;
        default: along = dy, aside = dx; break;
        }
        if (along <= 0)
            return;
        const long score = along + 4L * std::abs(aside);
        if (score < bestScore) {
            bestScore = score;
            best = card;
        }
    });
    if (best)
        best->setFocus(Qt::OtherFocusReason);
}

} // namespace tycora::ui
