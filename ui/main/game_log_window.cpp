#include "ui/main/game_log_window.h"

#include "game/game_state.h"
#include "ui/main/player_colours.h"
#include "names/player_names.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/game_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace tycora::ui {

namespace {

constexpr QSize LogSize(460, 520);
constexpr int Gap = 8;   // between the board and the log beside it

QString withoutLineEnds(const std::string &line)
{
    QString text = qtext(line);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

// Half way from the player's light colour to white: a tint that leaves the
// words easy to read.
QColor tint(long colour)
{
    const QColor light = lightColour(colour);
    return QColor((light.red() + 255) / 2, (light.green() + 255) / 2, (light.blue() + 255) / 2);
}

} // namespace

int playerOfLine(const GameState &state, const QString &line)
{
    int found = -1;
    qsizetype longest = 0;
    for (int i = 0; i < state.PlayerCount && i < MaxPlayers; ++i) {
        const QString name = qtext(state.Players[i].Name);
        if (name.size() <= longest || !line.startsWith(name))
            continue;
        if (line.size() == name.size() || line.at(name.size()) == QLatin1Char(' ')) {
            found = i;
            longest = name.size();
        }
    }
    return found;
}

GameLogWindow::GameLogWindow(const GameState &state, QWidget *board)
    : QWidget(board, Qt::Window), state_(state), board_(board), lines_(new QListWidget(this))
{
    setObjectName(QStringLiteral("frmGameLog"));
    setWindowTitle(tr("Game Log"));
    // Opening the log leaves the keyboard with the board, for the next throw.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(LogSize);

    lines_->setObjectName(QStringLiteral("lstGameLog"));
    lines_->setFont(tahoma(9.75));
    lines_->setUniformItemSizes(true);
    lines_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lines_);

    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_L), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::hide);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &GameLogWindow::copySelection);
    // Opened again where it was left, for as long as the program runs.
    keepPlacedOver(*this, board, [this] { placeBesideBoard(); });
}

void GameLogWindow::setCovered(const QRect &squares, const QWidget *panels)
{
    squares_ = squares;
    panels_ = panels;
}

void GameLogWindow::addLine(const std::string &line)
{
    const bool following = showsNewest();
    const QString text = withoutLineEnds(line);
    // A right-to-left name would otherwise turn the row's words around.
    auto *item = new QListWidgetItem(withNamesIsolated(text, playerNames(state_)), lines_);
    if (const int player = playerOfLine(state_, text); player >= 0)
        item->setBackground(tint(state_.Players[player].Colour));
    // Someone reading further up keeps their place.
    if (following)
        lines_->scrollToBottom();
}

void GameLogWindow::addLines(const std::vector<std::string> &lines)
{
    for (const std::string &line : lines)
        addLine(line);
}

int GameLogWindow::lineCount() const { return lines_->count(); }

QString GameLogWindow::line(int row) const
{
    const QListWidgetItem *item = lines_->item(row);
    return item ? item->text() : QString();
}

bool GameLogWindow::showsNewest() const
{
    const QScrollBar *bar = lines_->verticalScrollBar();
    return bar->value() >= bar->maximum();
}

void GameLogWindow::open()
{
    show();
    raise();
    lines_->scrollToBottom();
}

void GameLogWindow::toggle()
{
    if (isVisible())
        hide();
    else
        open();
}

void GameLogWindow::placeBesideBoard()
{
    const QRect board = board_->frameGeometry();
    const QScreen *screen = board_->screen();
    const QRect area = screen ? screen->availableGeometry() : board;
    const QSize outer = frameGeometry().size();
    const int top = std::clamp(board.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    // Beside the board, on the right where the screen has room, else on the
    // left.
    if (area.right() - board.right() >= outer.width() + Gap) {
        move(board.right() + 1 + Gap, top);
        return;
    }
    if (board.left() - area.left() >= outer.width() + Gap) {
        move(board.left() - Gap - outer.width(), top);
        return;
    }
    // No room: of the places on the screen, the one that covers the fewest
    // of the squares and nothing of the panels (the least of them, on a
    // screen too small for that).
    const auto global = [this](const QRect &r) { return QRect(board_->mapToGlobal(r.topLeft()), r.size()); };
    const QRect squares = global(squares_);
    const QRect panels = panels_ ? global(panels_->geometry()) : QRect();
    const auto covered = [](const QRect &a, const QRect &b) {
        const QRect both = a.intersected(b);
        return static_cast<long long>(both.width()) * both.height();
    };
    constexpr int Step = 4;
    QPoint best = area.topLeft();
    long long bestCost = -1;
    for (int y = area.top(); y + outer.height() <= area.bottom() + 1; y += Step) {
        for (int x = area.left(); x + outer.width() <= area.right() + 1; x += Step) {
            const QRect at(QPoint(x, y), outer);
            const long long cost = covered(at, panels) * (1LL << 32) + covered(at, squares);
            if (bestCost < 0 || cost < bestCost) {
                bestCost = cost;
                best = at.topLeft();
            }
        }
    }
    move(best);
}

void GameLogWindow::copySelection() const
{
    QStringList text;
    for (int row = 0; row < lines_->count(); ++row)
        if (lines_->item(row)->isSelected())
            text << lines_->item(row)->text();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

} // namespace tycora::ui
