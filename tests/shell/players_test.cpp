#include "shell_test_support.h"
#include "support/shell_controls.h"

#include "assets/art_catalog.h"
#include "game/game_state.h"
#include "game/player_setup.h"
#include "tests/support/recording_log.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/frame.h"
#include "toolkit/image_combo.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

using testing::comboEntries;
using testing::pick;

const QStringList AllPieces{"Dog ", "Car ", "Battleship", "Hat", "Shoe", "Wheelbarrow"};
const QStringList AllColours{"Red", "Blue", "Green", "Yellow", "Orange", "Purple"};

class SetUpWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new FrmPlayers(state, log, boxes);
        controls = testing::SetUpControls(*window);
        window->setQuitContext({&boxes, [this] { ++ended; }, nullptr});
        window->setStartGameAction([this] { ++started; });
        window->setupPlayerColumns();
        window->show();
    }
    void TearDown() override { delete window.data(); }

    // Replaces the name the way a user does: select all, delete, type.
    void typeName(const QString &name)
    {
        QTest::keyClick(controls.txtName, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(controls.txtName, Qt::Key_Backspace);
        QTest::keyClicks(controls.txtName, name);
    }
    // Text that does not come from single key presses (other scripts, emoji)
    // arrives committed by the input method.
    void commitText(const QString &text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(controls.txtName, &event);
    }
    void pickAll(const QString &piece, const QString &colour, const QString &type)
    {
        pick(*controls.imgcPieces, piece);
        pick(*controls.imgcColours, colour);
        pick(*controls.imgcType, type);
    }
    void addByHand(const QString &name, const QString &piece, const QString &colour, const QString &type)
    {
        typeName(name);
        pickAll(piece, colour, type);
        ASSERT_TRUE(controls.cmdAdd->isEnabled()) << name.toStdString();
        QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    }
    QStringList row(int r) const
    {
        QStringList out;
        for (int c = 0; c < 4; ++c)
            out << controls.lstPlayers->subItem(r, c);
        return out;
    }

    GameState state;
    testing::RecordingLog log;
    ScriptedMessageBoxes boxes;
    QPointer<FrmPlayers> window;
    testing::SetUpControls controls;
    int ended = 0;
    int started = 0;
};

TEST_F(SetUpWindow, WindowAndControlsAsDesigned)
{
    FrmPlayers &w = *window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tycora by Varnoth"));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.size(), QSize(px(9690), px(7095)));

    struct Expected {
        QWidget *control;
        QWidget *container;
        QRect place;
        bool enabled;
        QFont font;
    };
    const QFont frameFont = tahoma(9.75, true);
    const QFont entryFont = tahoma(9.75);
    const QFont windowFont = tahoma(8.25);
    const QFont smallFont = tahoma(6.75);
    const Expected expected[] = {
        {controls.Image1, &w, rectFromTwips(1845, 330, 4500, 1380), true, windowFont},
        {controls.frmPlayerInfo, &w, rectFromTwips(480, 2145, 3090, 4170), true, frameFont},
        {controls.txtName, controls.frmPlayerInfo, rectFromTwips(420, 495, 2235, 345), true, entryFont},
        {controls.imgcPieces, controls.frmPlayerInfo, rectFromTwips(397, 1095, 2280, 375), true, entryFont},
        {controls.imgcColours, controls.frmPlayerInfo, rectFromTwips(397, 1725, 2280, 375), true, entryFont},
        {controls.imgcType, controls.frmPlayerInfo, rectFromTwips(390, 2400, 2280, 375), true, entryFont},
        {controls.cmdAdd, controls.frmPlayerInfo, rectFromTwips(975, 3480, 1125, 390), false, windowFont},
        {controls.frmPlayerList, &w, rectFromTwips(3705, 2160, 5745, 2340), true, frameFont},
        {controls.lstPlayers, controls.frmPlayerList, rectFromTwips(255, 510, 5220, 1260), true, tahoma(9)},
        {controls.cmdEdit, controls.frmPlayerList, rectFromTwips(1950, 1890, 795, 300), false, smallFont},
        {controls.cmdRemove, controls.frmPlayerList, rectFromTwips(3060, 1890, 795, 300), false, smallFont},
        {controls.frmOptions, &w, rectFromTwips(3705, 4545, 5745, 1770), true, frameFont},
        {controls.cmdNext, &w, rectFromTwips(8280, 6435, 1125, 390), false, windowFont},
        {controls.cmd4Computers, &w, rectFromTwips(5955, 6465, 2115, 375), true, windowFont},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.control->metaObject()->className());
        EXPECT_EQ(e.control->parentWidget(), e.container);
        EXPECT_EQ(e.control->geometry(), e.place);
        EXPECT_EQ(e.control->isEnabled(), e.enabled);
        EXPECT_EQ(e.control->font().family(), e.font.family());
        EXPECT_EQ(e.control->font().pixelSize(), e.font.pixelSize());
        EXPECT_EQ(e.control->font().bold(), e.font.bold());
    }
    EXPECT_TRUE(controls.Image1->picture() == art::logo());
    EXPECT_EQ(controls.frmPlayerInfo->caption(), QStringLiteral("Player Info"));
    EXPECT_EQ(controls.frmPlayerList->caption(), QStringLiteral("Player List"));
    EXPECT_EQ(controls.frmOptions->caption(), QStringLiteral("Options"));
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Player 1"));
    EXPECT_EQ(controls.txtName->maxLength(), MaxNameLength);
    EXPECT_EQ(controls.cmdAdd->text(), QStringLiteral("&Add Player"));
    EXPECT_EQ(controls.cmdEdit->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(controls.cmdRemove->text(), QStringLiteral("&Remove"));
    EXPECT_EQ(controls.cmdNext->text(), QStringLiteral("Next  >>"));
    EXPECT_EQ(controls.cmd4Computers->text(), QStringLiteral("Add 4 Computer Players"));
    for (Frame *f : {controls.frmPlayerInfo, controls.frmPlayerList, controls.frmOptions})
        EXPECT_EQ(f->backColour(), boardGreen());

    EXPECT_EQ(controls.txtName->nextInFocusChain(), controls.imgcPieces);
    EXPECT_EQ(controls.imgcPieces->nextInFocusChain(), controls.imgcColours);
    EXPECT_EQ(controls.imgcColours->nextInFocusChain(), controls.imgcType);

    // The list's columns: Name takes what the other three leave. A fifth,
    // the computers' Level, is hidden under the Classic rules.
    ASSERT_EQ(controls.lstPlayers->columnCount(), 5);
    EXPECT_TRUE(controls.lstPlayers->isColumnHidden(4));
    const QStringList headers{"Name", "Piece", "Colour", "Type"};
    const int widths[] = {5220 - 3410, 1400, 1000, 1000};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(controls.lstPlayers->headerItem()->text(c), headers[c]);
        EXPECT_EQ(controls.lstPlayers->columnWidth(c), px(widths[c]));
    }
    // The widest entry of the last column is seen whole, with no scroll bar.
    const QFontMetrics metrics(controls.lstPlayers->font());
    EXPECT_LE(controls.lstPlayers->header()->sectionViewportPosition(3) + metrics.horizontalAdvance(QStringLiteral("Computer")) + 6,
              controls.lstPlayers->viewport()->width());
    EXPECT_FALSE(controls.lstPlayers->horizontalScrollBar()->isVisible());
    w.setupPlayerColumns();   // a second call adds nothing
    EXPECT_EQ(controls.lstPlayers->columnCount(), 5);
}

TEST_F(SetUpWindow, FreshWindowOffersEverythingBehindPlaceholders)
{
    // The name is free; nothing is picked and nobody is listed.
    EXPECT_EQ(controls.lblAddHint->text(), QStringLiteral("Pick a piece, a colour and a type"));
    EXPECT_EQ(controls.lstPlayers->rowCount(), 0);

    EXPECT_EQ(comboEntries(*controls.imgcPieces), AllPieces);
    EXPECT_EQ(comboEntries(*controls.imgcColours), AllColours);
    EXPECT_EQ(comboEntries(*controls.imgcType), (QStringList{"Human", "Computer"}));
    EXPECT_EQ(controls.imgcPieces->text(), QStringLiteral("Playing Piece"));
    EXPECT_EQ(controls.imgcColours->text(), QStringLiteral("Playing Colour"));
    EXPECT_EQ(controls.imgcType->text(), QStringLiteral("Player Type"));
    for (ImageCombo *combo : {controls.imgcPieces, controls.imgcColours, controls.imgcType})
        for (int i = 0; i < combo->count(); ++i)
            EXPECT_FALSE(combo->itemIcon(i).isNull()) << combo->itemText(i).toStdString();
}

TEST(SetUpCombos, TakenFlagsCountOnlyOnceSomeoneIsListed)
{
    GameState state;
    markPieceTaken(state, "Car ");
    markColourTaken(state, "Yellow");
    testing::RecordingLog log;
    ScriptedMessageBoxes boxes;
    FrmPlayers window(state, log, boxes);
    window.setupPlayerColumns();
    const testing::SetUpControls controls(window);
    EXPECT_EQ(comboEntries(*controls.imgcPieces), AllPieces);
    EXPECT_EQ(comboEntries(*controls.imgcColours), AllColours);
    controls.lstPlayers->addRow(QStringLiteral("Someone"));
    window.fillPieceCombo();
    window.fillColourCombo();
    EXPECT_EQ(comboEntries(*controls.imgcPieces), (QStringList{"Dog ", "Battleship", "Hat", "Shoe", "Wheelbarrow"}));
    EXPECT_EQ(comboEntries(*controls.imgcColours), (QStringList{"Red", "Blue", "Green", "Orange", "Purple"}));
}

TEST_F(SetUpWindow, AddingAHumanFillsTheRowTheRecordAndTheLog)
{
    addByHand(QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));

    ASSERT_EQ(controls.lstPlayers->rowCount(), 1);
    EXPECT_EQ(row(1), (QStringList{"Ann", "Hat", "Red", "Human"}));
    const Player &ann = state.Players[0];
    EXPECT_EQ(ann.Name, "Ann");
    EXPECT_EQ(ann.Piece, "Hat");
    EXPECT_EQ(ann.Colour, 0);
    EXPECT_EQ(ann.PlayerType, Human);
    EXPECT_EQ(ann.Money, 1500);
    EXPECT_EQ(state.PlayerCount, 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Player 0:  Ann, Hat, Red, Human"}));

    // The taken piece and colour are gone, the rest in list order.
    EXPECT_EQ(comboEntries(*controls.imgcPieces), (QStringList{"Dog ", "Car ", "Battleship", "Shoe", "Wheelbarrow"}));
    EXPECT_EQ(comboEntries(*controls.imgcColours), (QStringList{"Blue", "Green", "Yellow", "Orange", "Purple"}));
    EXPECT_EQ(comboEntries(*controls.imgcType), (QStringList{"Human", "Computer"}));
    EXPECT_EQ(controls.imgcPieces->text(), QStringLiteral("Playing Piece"));
    EXPECT_EQ(controls.imgcColours->text(), QStringLiteral("Playing Colour"));
    EXPECT_EQ(controls.imgcType->text(), QStringLiteral("Player Type"));

    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Player 2"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    EXPECT_EQ(controls.lblAddHint->text(), QStringLiteral("Pick a piece, a colour and a type")) << "the picks are forgotten";
    EXPECT_FALSE(controls.cmd4Computers->isEnabled());
    EXPECT_FALSE(controls.cmdNext->isEnabled());
}

TEST_F(SetUpWindow, ClashingNamesIgnoreCaseAndEveryPickCounts)
{
    addByHand(QStringLiteral("Player 1"), QStringLiteral("Dog "), QStringLiteral("Blue"), QStringLiteral("Human"));

    // A clash keeps "Add Player" off even with all three picked.
    typeName(QStringLiteral("player 1"));
    pickAll(QStringLiteral("Car "), QStringLiteral("Green"), QStringLiteral("Computer"));
    EXPECT_EQ(controls.lblAddHint->text(), QStringLiteral("Another player has this name"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    QTest::keyClicks(controls.txtName, QStringLiteral("x"));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());

    // Typing a clash after picking turns it off; undoing it turns it back
    // on without picking again.
    QTest::keyClick(controls.txtName, Qt::Key_Backspace);
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    QTest::keyClicks(controls.txtName, QStringLiteral("0"));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());
    QTest::keyClick(controls.txtName, Qt::Key_Backspace);
    QTest::keyClick(controls.txtName, Qt::Key_Backspace);
    QTest::keyClicks(controls.txtName, QStringLiteral("1"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    typeName(QStringLiteral("PLAYER 1"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    typeName(QStringLiteral("Bea"));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());
}

TEST_F(SetUpWindow, PlaceholdersDoNotCountAsPicked)
{
    pick(*controls.imgcPieces, QStringLiteral("Shoe"));
    pick(*controls.imgcColours, QStringLiteral("Purple"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    // The code may set a combo back to its placeholder; the pick stays made.
    controls.imgcType->setText(QStringLiteral("Player Type"));
    emit controls.imgcType->picked();
    EXPECT_EQ(controls.lblAddHint->text(), QStringLiteral("Pick a type"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    pick(*controls.imgcType, QStringLiteral("Human"));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());
}

TEST_F(SetUpWindow, NameCheckRunsWhenTheSuggestedNameIsAlreadyListed)
{
    // The first player takes the name the window will suggest next.
    addByHand(QStringLiteral("Player 2"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Player 2"));
    EXPECT_EQ(controls.lblAddHint->text(), QStringLiteral("Another player has this name"));
    pickAll(QStringLiteral("Shoe"), QStringLiteral("Blue"), QStringLiteral("Human"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
}

TEST_F(SetUpWindow, TwoPlayersAllowTheGameFourFillTheTable)
{
    addByHand(QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    EXPECT_FALSE(controls.cmdNext->isEnabled());
    addByHand(QStringLiteral("Bea"), QStringLiteral("Car "), QStringLiteral("Blue"), QStringLiteral("Computer"));
    EXPECT_TRUE(controls.cmdNext->isEnabled());
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Player 3"));
    EXPECT_EQ(comboEntries(*controls.imgcPieces), (QStringList{"Dog ", "Battleship", "Shoe", "Wheelbarrow"}));
    EXPECT_EQ(comboEntries(*controls.imgcColours), (QStringList{"Green", "Yellow", "Orange", "Purple"}));
    addByHand(QStringLiteral("Cy"), QStringLiteral("Wheelbarrow"), QStringLiteral("Purple"), QStringLiteral("Human"));
    addByHand(QStringLiteral("Di"), QStringLiteral("Dog "), QStringLiteral("Yellow"), QStringLiteral("Computer"));

    EXPECT_EQ(state.PlayerCount, 4);
    EXPECT_EQ(controls.lstPlayers->rowCount(), 4);
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Player 5"));
    for (QWidget *entry : std::initializer_list<QWidget *>{controls.txtName, controls.imgcPieces, controls.imgcColours,
                                                           controls.imgcType, controls.cmdAdd, controls.cmd4Computers})
        EXPECT_FALSE(entry->isEnabled()) << entry->metaObject()->className();
    EXPECT_TRUE(controls.cmdNext->isEnabled());
    EXPECT_EQ(state.Players[1].PlayerType, Computer);
    EXPECT_EQ(state.Players[1].Piece, "Car ");
    EXPECT_EQ(state.Players[2].Colour, 5);
    EXPECT_EQ(state.Players[3].Colour, 3);
    for (const Player &p : state.Players)
        EXPECT_EQ(p.Money, 1500);
    EXPECT_EQ(log.lines.back(), "Player 3:  Di, Dog , Yellow, Computer");
}

TEST_F(SetUpWindow, FourComputerPlayersAtOnce)
{
    QTest::mouseClick(controls.cmd4Computers, Qt::LeftButton);

    ASSERT_EQ(controls.lstPlayers->rowCount(), 4);
    EXPECT_EQ(row(1), (QStringList{"Player 1", "Dog ", "Red", "Computer"}));
    EXPECT_EQ(row(2), (QStringList{"Player 2", "Hat", "Blue", "Computer"}));
    EXPECT_EQ(row(3), (QStringList{"Player 3", "Shoe", "Green", "Computer"}));
    EXPECT_EQ(row(4), (QStringList{"Player 4", "Battleship", "Orange", "Computer"}));
    EXPECT_EQ(state.PlayerCount, 4);
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "Player 0:  Player 1, Dog , Red, Computer",
                             "Player 1:  Player 2, Hat, Blue, Computer",
                             "Player 2:  Player 3, Shoe, Green, Computer",
                             "Player 3:  Player 4, Battleship, Orange, Computer",
                         }));
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(state.Players[p].PlayerType, Computer);
        EXPECT_EQ(state.Players[p].Money, 1500);
    }
    EXPECT_EQ(state.Players[3].Colour, 4);
    EXPECT_EQ(state.Players[0].Piece, "Dog ");
    for (QWidget *entry : std::initializer_list<QWidget *>{controls.txtName, controls.imgcPieces, controls.imgcColours,
                                                           controls.imgcType, controls.cmdAdd, controls.cmd4Computers})
        EXPECT_FALSE(entry->isEnabled()) << entry->metaObject()->className();
    EXPECT_TRUE(controls.cmdNext->isEnabled());
}

TEST_F(SetUpWindow, FourComputersNeverLeaveAddPlayerOn)
{
    // Everything picked and a typed name: the shortcut still ends with the
    // table full and no way to add a fifth.
    typeName(QStringLiteral("Zed"));
    pickAll(QStringLiteral("Car "), QStringLiteral("Purple"), QStringLiteral("Human"));
    ASSERT_TRUE(controls.cmdAdd->isEnabled());
    QTest::mouseClick(controls.cmd4Computers, Qt::LeftButton);
    EXPECT_EQ(row(1), (QStringList{"Zed", "Dog ", "Red", "Computer"}));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(controls.lstPlayers->rowCount(), 4);
    window->addPlayer();
    EXPECT_EQ(controls.lstPlayers->rowCount(), 4);
    EXPECT_EQ(state.PlayerCount, 4);
}

TEST_F(SetUpWindow, BlankNamesCannotBeAdded)
{
    pickAll(QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    ASSERT_TRUE(controls.cmdAdd->isEnabled());
    typeName(QString());
    EXPECT_TRUE(controls.txtName->text().isEmpty());
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    typeName(QStringLiteral("   "));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(controls.lstPlayers->rowCount(), 0);
    typeName(QStringLiteral(" Al "));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());
}

TEST_F(SetUpWindow, FourComputersReplaceABlankFirstName)
{
    typeName(QStringLiteral("  "));
    QTest::mouseClick(controls.cmd4Computers, Qt::LeftButton);
    EXPECT_EQ(state.Players[0].Name, "Player 1");
    EXPECT_EQ(log.lines.at(0), "Player 0:  Player 1, Dog , Red, Computer");
    typeName(QString());
}

TEST_F(SetUpWindow, NamesAreCappedInLength)
{
    typeName(QStringLiteral("Bartholomew Fortescue-Smythe"));
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Bartholomew Fortescu"));
    EXPECT_EQ(controls.txtName->text().size(), MaxNameLength);
    pickAll(QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(state.Players[0].Name, "Bartholomew Fortescu");

    // A character that does not fit whole is left out, not split.
    const QString nineteen(19, QLatin1Char('a'));
    typeName(nineteen);
    commitText(QStringLiteral("😀"));
    EXPECT_EQ(controls.txtName->text(), nineteen);
    controls.txtName->setText(QStringLiteral("b") + nineteen.left(18) + QStringLiteral("😀"));
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("b") + nineteen.left(18));
    typeName(nineteen.left(18));
    commitText(QStringLiteral("😀"));
    EXPECT_EQ(controls.txtName->text(), nineteen.left(18) + QStringLiteral("😀"));
}

TEST_F(SetUpWindow, NamesInAnyScriptReachTheRecordAndTheLog)
{
    typeName(QString());
    commitText(QStringLiteral("Zoë Ωμέγα 😀"));
    pickAll(QStringLiteral("Dog "), QStringLiteral("Green"), QStringLiteral("Human"));
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(state.Players[0].Name, "Zo\xC3\xAB \xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 \xF0\x9F\x98\x80");
    EXPECT_EQ(controls.lstPlayers->rowText(1), QStringLiteral("Zoë Ωμέγα 😀"));
    EXPECT_EQ(log.lines.at(0), "Player 0:  " + state.Players[0].Name + ", Dog , Green, Human");

    // A clash is found without regard to case in any script.
    typeName(QString());
    commitText(QStringLiteral("ZOË ΩΜΈΓΑ 😀"));
    pickAll(QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    EXPECT_FALSE(controls.cmdAdd->isEnabled());
    commitText(QStringLiteral("🎩"));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(state.Players[1].Name, "ZO\xC3\x8B \xCE\xA9\xCE\x9C\xCE\x88\xCE\x93\xCE\x91 \xF0\x9F\x98\x80\xF0\x9F\x8E\xA9");
}

// Pixels of a grab inside a rectangle (in the window's coordinates) that
// are clearly reddish: the hint's dark red print on the green frame.
int redInk(const QImage &shot, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = testing::pixelAt(shot, x, y);
            count += c.red() > c.green() + 60 ? 1 : 0;
        }
    return count;
}

TEST_F(SetUpWindow, AddPlayerSaysWhyItIsOff)
{
    Label *hint = controls.lblAddHint;
    const auto shown = [&] { return hint->isVisible() ? hint->text() : QString(); };
    const QString pickAllThree = QStringLiteral("Pick a piece, a colour and a type");
    EXPECT_EQ(shown(), pickAllThree);
    pick(*controls.imgcPieces, QStringLiteral("Hat"));
    EXPECT_EQ(shown(), QStringLiteral("Pick a colour and a type")) << "the hint follows each pick";
    pick(*controls.imgcColours, QStringLiteral("Red"));
    EXPECT_EQ(shown(), QStringLiteral("Pick a type"));
    pick(*controls.imgcType, QStringLiteral("Human"));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());
    EXPECT_EQ(shown(), QString());

    typeName(QString());
    EXPECT_EQ(shown(), QStringLiteral("Type a name"));
    typeName(QStringLiteral("   "));
    EXPECT_EQ(shown(), QStringLiteral("Type a name"));
    typeName(QStringLiteral("Ann"));
    EXPECT_EQ(shown(), QString());
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(shown(), pickAllThree);

    // A clash is named before the picks; it is found without regard to case.
    typeName(QStringLiteral("aNN"));
    EXPECT_EQ(shown(), QStringLiteral("Another player has this name"));
    pickAll(QStringLiteral("Car "), QStringLiteral("Blue"), QStringLiteral("Computer"));
    EXPECT_EQ(shown(), QStringLiteral("Another player has this name"));
    QTest::keyClicks(controls.txtName, QStringLiteral("e"));
    EXPECT_EQ(shown(), QString());
    typeName(QString());
    EXPECT_EQ(shown(), QStringLiteral("Type a name"));

    // The hint is seen on the window, in its own room: inside the frame and
    // clear of every control of the entry.
    typeName(QStringLiteral("Ann"));
    const QImage shot = testing::grabImage(*window);
    const QRect hintArea(hint->mapTo(window.data(), QPoint(0, 0)), hint->size());
    EXPECT_GT(redInk(shot, hintArea), 40);
    const QRect inside = controls.frmPlayerInfo->rect().adjusted(3, 3, -3, -3);
    EXPECT_TRUE(inside.contains(hint->geometry())) << "inside the frame";
    for (QWidget *control : std::initializer_list<QWidget *>{controls.txtName, controls.imgcPieces, controls.imgcColours,
                                                             controls.imgcType, controls.cmdAdd, controls.lblNameLength})
        EXPECT_FALSE(hint->geometry().intersects(control->geometry())) << control->metaObject()->className();
    const QFontMetrics metrics(hint->font());
    for (const QString &text : {pickAllThree, QStringLiteral("Type a name"), QStringLiteral("Another player has this name")})
        EXPECT_LE(metrics.horizontalAdvance(text), hint->width()) << "on one line: " << text.toStdString();

    // Nothing to explain once the button is on, or once the table is full.
    typeName(QStringLiteral("Bea"));
    EXPECT_EQ(shown(), QString());
    EXPECT_EQ(redInk(testing::grabImage(*window), hintArea), 0);
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    addByHand(QStringLiteral("Cy"), QStringLiteral("Shoe"), QStringLiteral("Green"), QStringLiteral("Human"));
    addByHand(QStringLiteral("Di"), QStringLiteral("Dog "), QStringLiteral("Yellow"), QStringLiteral("Human"));
    ASSERT_EQ(controls.lstPlayers->rowCount(), 4);
    EXPECT_EQ(shown(), QString());
    EXPECT_FALSE(controls.lblNameLength->isVisible());
}

TEST_F(SetUpWindow, NoHintAfterFourComputerPlayers)
{
    QTest::mouseClick(controls.cmd4Computers, Qt::LeftButton);
    EXPECT_FALSE(controls.lblAddHint->isVisible());
    EXPECT_FALSE(controls.lblNameLength->isVisible());
}

TEST_F(SetUpWindow, NameBoxShowsItsLimit)
{
    Label *count = controls.lblNameLength;
    EXPECT_TRUE(count->isVisible());
    EXPECT_EQ(count->text(), QStringLiteral("8/20"));
    const QColor usual = count->palette().color(QPalette::WindowText);
    typeName(QStringLiteral("Bartholomew Fortescue-Smythe"));
    EXPECT_EQ(count->text(), QStringLiteral("20/20"));
    EXPECT_EQ(count->palette().color(QPalette::WindowText), QColor(192, 0, 0)) << "red at the limit";
    EXPECT_NE(usual, QColor(192, 0, 0));
    QTest::keyClick(controls.txtName, Qt::Key_Backspace);
    EXPECT_EQ(count->text(), QStringLiteral("19/20"));
    EXPECT_EQ(count->palette().color(QPalette::WindowText), usual);
    typeName(QString());
    EXPECT_EQ(count->text(), QStringLiteral("0/20"));
    EXPECT_EQ(controls.txtName->placeholderText(), QStringLiteral("Up to 20 characters"));
    EXPECT_EQ(controls.txtName->toolTip(), QStringLiteral("The player's name, up to 20 characters"));

    // Right under the name box, above the piece combo, whole and seen.
    EXPECT_EQ(count->geometry().right(), controls.txtName->geometry().right());
    EXPECT_GE(count->geometry().top(), controls.txtName->geometry().bottom());
    EXPECT_LT(count->geometry().bottom(), controls.imgcPieces->geometry().top());
    EXPECT_LE(QFontMetrics(count->font()).height(), count->height());
    typeName(QStringLiteral("Bartholomew Fortescue-Smythe"));
    const QImage shot = testing::grabImage(*window);
    EXPECT_GT(redInk(shot, QRect(count->mapTo(window.data(), QPoint(0, 0)), count->size())), 15);
}

TEST_F(SetUpWindow, PastedNamesLoseTheirControlsAndStayOnOneLine)
{
    controls.txtName->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("Ann\r\nGame Ended forgery"));
    QTest::keyClick(controls.txtName, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(controls.txtName, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("AnnGame Ended forger"));
    pickAll(QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(controls.lstPlayers->rowText(1), QStringLiteral("AnnGame Ended forger"));
    EXPECT_EQ(state.Players[0].Name, "AnnGame Ended forger");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Player 0:  AnnGame Ended forger, Hat, Red, Human"}));

    // Text the program writes is held to the same rule.
    controls.txtName->setText(QStringLiteral("\u202EBob\tby\u2069\u0085"));
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Bobby"));
    // Committed by an input method.
    typeName(QString());
    commitText(QStringLiteral("Cy\u2066\n"));
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Cy"));
}

TEST_F(SetUpWindow, NextStartsTheGameAndClosesWithoutAQuestion)
{
    QTest::mouseClick(controls.cmdNext, Qt::LeftButton);   // disabled: nothing happens
    EXPECT_EQ(started, 0);
    addByHand(QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    addByHand(QStringLiteral("Bob"), QStringLiteral("Shoe"), QStringLiteral("Blue"), QStringLiteral("Computer"));
    QTest::mouseClick(controls.cmdNext, Qt::LeftButton);
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(ended, 0);
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible());
    testing::processDeferredDeletes();
    EXPECT_FALSE(window);
    // The records were filled as the players were added.
    EXPECT_EQ(state.PlayerCount, 2);
    EXPECT_EQ(state.Players[1].Name, "Bob");
}

TEST_F(SetUpWindow, UserCloseAsksAndOnlyYesEndsTheGame)
{
    addByHand(QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    boxes.answers = {MsgAnswer::No};
    window->close();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Are you sure you want to Quit?"));
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Question);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ended, 0);
    // Everything is as it was.
    EXPECT_EQ(controls.lstPlayers->rowCount(), 1);
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Player 2"));

    boxes.answers = {MsgAnswer::Yes};
    window->close();
    EXPECT_EQ(ended, 1);
}

TEST_F(SetUpWindow, CloseByTheProgramAsksNothing)
{
    window->unload();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(ended, 0);
    testing::processDeferredDeletes();
    EXPECT_FALSE(window);
}

TEST_F(SetUpWindow, ASelectedPlayerCanBeEditedOrRemoved)
{
    addByHand(QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    addByHand(QStringLiteral("Bob"), QStringLiteral("Car "), QStringLiteral("Blue"), QStringLiteral("Computer"));
    addByHand(QStringLiteral("Cy"), QStringLiteral("Shoe"), QStringLiteral("Green"), QStringLiteral("Human"));
    EXPECT_FALSE(controls.cmdEdit->isEnabled()) << "nothing selected";
    EXPECT_FALSE(controls.cmdRemove->isEnabled());

    // Edit takes Bob back into the entry, his piece and colour free again.
    controls.lstPlayers->setCurrentItem(controls.lstPlayers->topLevelItem(1));
    ASSERT_TRUE(controls.cmdEdit->isEnabled());
    ASSERT_TRUE(controls.cmdRemove->isEnabled());
    QTest::mouseClick(controls.cmdEdit, Qt::LeftButton);
    EXPECT_EQ(controls.lstPlayers->rowCount(), 2);
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Bob"));
    EXPECT_EQ(controls.imgcPieces->text(), QStringLiteral("Car "));
    EXPECT_EQ(controls.imgcColours->text(), QStringLiteral("Blue"));
    EXPECT_EQ(controls.imgcType->text(), QStringLiteral("Computer"));
    EXPECT_TRUE(comboEntries(*controls.imgcPieces).contains(QStringLiteral("Car ")));
    EXPECT_TRUE(controls.cmdAdd->isEnabled());
    // Renamed and in another colour, he goes back to his place.
    typeName(QStringLiteral("Bo"));
    pick(*controls.imgcColours, QStringLiteral("Purple"));
    QTest::mouseClick(controls.cmdAdd, Qt::LeftButton);
    ASSERT_EQ(controls.lstPlayers->rowCount(), 3);
    EXPECT_EQ(row(1), (QStringList{"Ann", "Hat", "Red", "Human"}));
    EXPECT_EQ(row(2), (QStringList{"Bo", "Car ", "Purple", "Computer"}));
    EXPECT_EQ(row(3), (QStringList{"Cy", "Shoe", "Green", "Human"}));
    EXPECT_EQ(state.Players[1].Name, "Bo");
    EXPECT_EQ(state.Players[1].PlayerType, Computer);
    EXPECT_EQ(state.PlayerCount, 3);

    // Remove drops Ann; the others move up, and her piece is free.
    controls.lstPlayers->setCurrentItem(controls.lstPlayers->topLevelItem(0));
    QTest::mouseClick(controls.cmdRemove, Qt::LeftButton);
    ASSERT_EQ(controls.lstPlayers->rowCount(), 2);
    EXPECT_EQ(row(1), (QStringList{"Bo", "Car ", "Purple", "Computer"}));
    EXPECT_EQ(state.Players[0].Name, "Bo");
    EXPECT_EQ(state.Players[1].Name, "Cy");
    EXPECT_EQ(state.PlayerCount, 2);
    EXPECT_TRUE(comboEntries(*controls.imgcPieces).contains(QStringLiteral("Hat")));
    EXPECT_TRUE(controls.cmdNext->isEnabled());
    controls.lstPlayers->setCurrentItem(controls.lstPlayers->topLevelItem(0));
    QTest::mouseClick(controls.cmdRemove, Qt::LeftButton);
    EXPECT_FALSE(controls.cmdNext->isEnabled()) << "one player cannot play";
}

TEST_F(SetUpWindow, TheLastGamesPlayersComeBackEditable)
{
    const std::vector<NewPlayer> last{{"Ann", "Hat", "Red", "Human"}, {"Bot", "Dog ", "Blue", "Computer"}};
    window->listPlayers(last);
    ASSERT_EQ(controls.lstPlayers->rowCount(), 2);
    EXPECT_EQ(row(2), (QStringList{"Bot", "Dog ", "Blue", "Computer"}));
    EXPECT_EQ(state.PlayerCount, 2);
    EXPECT_EQ(state.Players[1].PlayerType, Computer);
    EXPECT_TRUE(controls.cmdNext->isEnabled());
    EXPECT_FALSE(controls.cmd4Computers->isEnabled());
    EXPECT_EQ(controls.txtName->text(), QStringLiteral("Player 3"));
    EXPECT_FALSE(comboEntries(*controls.imgcPieces).contains(QStringLiteral("Hat")));
    EXPECT_EQ(window->listedPlayers().size(), 2u);
    controls.lstPlayers->setCurrentItem(controls.lstPlayers->topLevelItem(0));
    EXPECT_TRUE(controls.cmdEdit->isEnabled());
}

} // namespace
} // namespace tycora::ui
