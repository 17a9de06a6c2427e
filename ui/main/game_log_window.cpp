#include "ui/main/game_log_window.h"

#include "game/game_state.h"
#include "ui/main/beside_board.h"
#include "ui/main/player_colours.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/game_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>


namespace tycora::ui {

namespace {

constexpr QSize LogSize(460, 520);

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
    setWindowTitle(QStringLiteral("Game Log"));
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
}

void GameLogWindow::addLine(const std::string &line)
{
    const bool following = showsNewest();
    const QString text = withoutLineEnds(line);
    auto *item = new QListWidgetItem(text, lines_);
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
    if (!placed_) {
        placed_ = true;
        placeBesideBoard();
    }
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

void GameLogWindow::placeBesideBoard() { move(besideBoard(*board_, size())); }

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
