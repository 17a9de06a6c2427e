#include "ui/shell/frm_players.h"

#include "assets/game_pictures.h"
#include "game/event_log.h"
#include "game/game_state.h"
#include "game/player_name_rule.h"
#include "game/player_setup.h"
#include "names/player_names.h"
#include "ui/shell/backdrop.h"
#include "ui/shell/options_panel.h"
#include "ui/shell/window_caption.h"
#include "toolkit/command_button.h"
#include "toolkit/image_combo.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QLineEdit>

#include <algorithm>
#include <iterator>

#include <string_view>

namespace tycora::ui {

namespace {

// What each combo shows while nothing is picked in it.
QString piecePlaceholder() { return FrmPlayers::tr("Playing Piece"); }
QString colourPlaceholder() { return FrmPlayers::tr("Playing Colour"); }
QString typePlaceholder() { return FrmPlayers::tr("Player Type"); }

// The name's length in grey-green, in red once the name is as long as it
// may be.
const QColor NameLengthColour(64, 96, 64);
const QColor NameFullColour(192, 0, 0);

// The records and the log keep texts as UTF-8.
std::string utf8(const QString &text) { return text.toStdString(); }

// Rebuilds a combo from its picture list, in list order, leaving out the
// entries the skip test names; then shows the placeholder.
template<typename SkipTest>
void fillCombo(ImageCombo &combo, const QString &placeholder, SkipTest skip)
{
    combo.clearEntries();
    if (const PictureList *pictures = combo.pictureList()) {
        for (int i = 1; i <= pictures->count(); ++i) {
            const QString key = pictures->key(i);
            if (!skip(key))
                combo.addEntry(key, i);
        }
    }
    combo.setText(placeholder);
}

} // namespace

FrmPlayers::FrmPlayers(GameState &state, EventLog &log, MessageBoxes &boxes, QWidget *parent)
    : Form(parent), state_(state), log_(log), boxes_(boxes)
{
    setWindowTitle(GameCaption);
    setBorderless(true);
    setClientSizeTwips(9690, 7095);
    setBackColour(boardGreen());
    createControls();
    centreOnScreen();
    // The window is loaded as it is made: it exists, hidden, from start-up.
    Form_Load();
    connectHandlers();
}

void FrmPlayers::connectHandlers()
{
    // textChanged, not textEdited: the check also runs when the program
    // writes the next player's default name.
    connect(txtName, &QLineEdit::textChanged, this, &FrmPlayers::txtName_Change);
    connect(txtName, &QLineEdit::textChanged, this, &FrmPlayers::showNameLength);
    connect(imgcPieces, &ImageCombo::picked, this, &FrmPlayers::imgcPieces_Click);
    connect(imgcColours, &ImageCombo::picked, this, &FrmPlayers::imgcColours_Click);
    connect(imgcType, &ImageCombo::picked, this, &FrmPlayers::imgcType_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &FrmPlayers::cmdAdd_Click);
    connect(cmd4Computers, &QPushButton::clicked, this, &FrmPlayers::cmd4Computers_Click);
    connect(cmdNext, &QPushButton::clicked, this, &FrmPlayers::cmdNext_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &FrmPlayers::cmdEdit_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &FrmPlayers::cmdRemove_Click);
    connect(lstPlayers, &QTreeWidget::itemSelectionChanged, this, &FrmPlayers::lstPlayers_SelectionChanged);
}

void FrmPlayers::Form_Load()
{
    // Drawn once: the window keeps what is drawn on it.
    paintBackdrop(*this);
    attachImageLists();
    fillPieceCombo();
    fillColourCombo();
    fillTypeCombo();
    nameValid = true;
    showNameLength();
    showAddHint();
}

void FrmPlayers::setupPlayerColumns()
{
    if (lstPlayers->columnCount() > 0)
        return;
    lstPlayers->addColumn(tr("Name"), ui::widthTwips(lstPlayers) - 3410);
    lstPlayers->addColumn(tr("Piece"), 1400);
    lstPlayers->addColumn(tr("Colour"), 1000);
    lstPlayers->addColumn(tr("Type"), 1000);
    addLevelColumn();
}

void FrmPlayers::attachImageLists()
{
    const art::GamePictures &pictures = art::GamePictures::instance();
    imgcPieces->setPictureList(&pictures.imgsPieces);
    imgcType->setPictureList(&pictures.imgsType);
    imgcColours->setPictureList(&pictures.imgsColours);
}

// Taken pieces and colours are left out only once someone is listed; on an
// empty list every entry is offered.
void FrmPlayers::fillPieceCombo()
{
    const bool anyListed = lstPlayers->rowCount() > 0;
    fillCombo(*imgcPieces, piecePlaceholder(),
              [&](const QString &key) { return anyListed && isPieceTaken(state_, utf8(key)); });
}

void FrmPlayers::fillColourCombo()
{
    const bool anyListed = lstPlayers->rowCount() > 0;
    fillCombo(*imgcColours, colourPlaceholder(),
              [&](const QString &key) { return anyListed && isColourTaken(state_, utf8(key)); });
}

void FrmPlayers::fillTypeCombo()
{
    fillCombo(*imgcType, typePlaceholder(), [](const QString &) { return false; });
}

void FrmPlayers::checkPlayer()
{
    // Besides the four flags: a blank name is never a player's name, and
    // the table holds four players at most.
    const bool ready = nameValid && pieceChosen && colourChosen && typeChosen &&
                       isUsableName(utf8(txtName->text())) && keepsOutOfEventMarks(utf8(txtName->text())) &&
                       playersAdded < MaxPlayers;
    cmdAdd->setEnabled(ready);
    showAddHint();
}

QString FrmPlayers::addHint() const
{
    if (cmdAdd->isEnabled() || playersAdded >= MaxPlayers)
        return {};
    if (!isUsableName(utf8(txtName->text())))
        return tr("Type a name");
    if (!nameValid)
        return tr("Another player has this name");
    if (!keepsOutOfEventMarks(utf8(txtName->text())))
        return tr("A name may not hold \": \" or \"-->\"");
    // What is still to pick, as it is picked.
    QStringList missing;
    if (!pieceChosen)
        missing << tr("a piece");
    if (!colourChosen)
        missing << tr("a colour");
    if (!typeChosen)
        missing << tr("a type");
    if (missing.isEmpty())
        return {};
    const QString last = missing.takeLast();
    const QString picks = missing.isEmpty() ? last : tr("%1 and %2").arg(missing.join(tr(", ")), last);
    return tr("Pick %1").arg(picks);
}

void FrmPlayers::showAddHint()
{
    const QString hint = addHint();
    lblAddHint->setCaption(hint);
    lblAddHint->setVisible(!hint.isEmpty());
}

void FrmPlayers::showNameLength()
{
    // Counted as the cap counts: a character outside the basic plane (an
    // emoji) takes two of the twenty.
    const qsizetype used = txtName->text().size();
    lblNameLength->setCaption(QStringLiteral("%1/%2").arg(used).arg(MaxNameLength));
    lblNameLength->setForeColour(used >= MaxNameLength ? NameFullColour : NameLengthColour);
    lblNameLength->setVisible(txtName->isEnabled());
}

void FrmPlayers::resetPlayerCheck()
{
    pieceChosen = false;
    colourChosen = false;
    typeChosen = false;
    cmdAdd->setEnabled(false);
    showAddHint();
}

void FrmPlayers::checkName()
{
    // A name clashes when it looks like a listed name: without regard to
    // case or to invisible characters (see isSameName). An empty text or an
    // empty list leaves the flag as it was.
    const QString text = txtName->text();
    if (!text.isEmpty()) {
        const int rows = lstPlayers->rowCount();
        for (int row = 1; row <= rows; ++row) {
            if (isSameName(lstPlayers->rowText(row), text)) {
                nameValid = false;
                break;
            }
            nameValid = true;
        }
    }
    checkPlayer();
}

void FrmPlayers::addPlayer()
{
    const int p = playersAdded;
    if (p < 0 || p >= MaxPlayers)
        return;

    const NewPlayer player = enteredPlayer();
    const int row = lstPlayers->addRow(txtName->text());
    lstPlayers->setSubItem(row, 1, imgcPieces->text());
    lstPlayers->setSubItem(row, 2, imgcColours->text());
    lstPlayers->setSubItem(row, 3, imgcType->text());
    listLevel(row, p, player);
    // Fills Players(p) and marks the piece and colour taken.
    fillPlayerRecord(state_, p, player);
    log_.writeLog(playerAddedLogLine(p, player));

    fillPieceCombo();
    fillColourCombo();
    fillTypeCombo();
    playersAdded = p + 1;

    // The next player's suggested name. Writing the same text again would
    // not count as a change, yet the name must be checked against the list
    // that now holds it.
    const QString nextName = qtext(defaultPlayerName(p + 1));
    if (txtName->text() == nextName)
        checkName();
    else
        txtName->setText(nextName);

    if (playersAdded > 1)
        cmdNext->setEnabled(true);
    if (playersAdded == MaxPlayers) {
        txtName->setEnabled(false);
        imgcPieces->setEnabled(false);
        imgcColours->setEnabled(false);
        imgcType->setEnabled(false);
        showNameLength();
    }
    state_.PlayerCount = static_cast<Integer>(playersAdded);
}

void FrmPlayers::txtName_Change() { checkName(); }

void FrmPlayers::imgcPieces_Click()
{
    if (imgcPieces->text() != piecePlaceholder())
        pieceChosen = true;
    checkPlayer();
}

void FrmPlayers::imgcColours_Click()
{
    if (imgcColours->text() != colourPlaceholder())
        colourChosen = true;
    checkPlayer();
}

void FrmPlayers::imgcType_Click()
{
    if (imgcType->text() != typePlaceholder())
        typeChosen = true;
    checkPlayer();
}

void FrmPlayers::cmdAdd_Click()
{
    if (editedRow_ >= 0) {
        // The edited player goes back to their place in the turn order.
        std::vector<NewPlayer> players = listedPlayers();
        const auto at = players.begin() + std::min<std::ptrdiff_t>(editedRow_, std::ssize(players));
        players.insert(at, enteredPlayer());
        editedRow_ = -1;
        listPlayers(players);
        return;
    }
    addPlayer();
    resetPlayerCheck();
    cmd4Computers->setEnabled(false);
    showEntryLevel();
}

std::vector<NewPlayer> FrmPlayers::listedPlayers() const
{
    std::vector<NewPlayer> players;
    for (int row = 1; row <= lstPlayers->rowCount(); ++row)
        players.push_back({utf8(lstPlayers->rowText(row)), utf8(lstPlayers->subItem(row, 1)),
                           utf8(lstPlayers->subItem(row, 2)), utf8(lstPlayers->subItem(row, 3)), listedLevel(row)});
    return players;
}

void FrmPlayers::listPlayers(const std::vector<NewPlayer> &players)
{
    // The table and the records start again empty, then take each player
    // as "Add Player" would.
    lstPlayers->clear();
    for (Player &p : state_.Players)
        p = Player{};
    state_.ColourTaken = {};
    state_.PieceTaken = {};
    state_.PlayerCount = 0;
    playersAdded = 0;
    for (QWidget *entry : std::initializer_list<QWidget *>{txtName, imgcPieces, imgcColours, imgcType})
        entry->setEnabled(true);
    cmdNext->setEnabled(false);
    fillPieceCombo();
    fillColourCombo();
    for (const NewPlayer &player : players) {
        if (playersAdded >= MaxPlayers)
            break;
        txtName->setText(qtext(player.name));
        imgcPieces->setText(qtext(player.piece));
        imgcColours->setText(qtext(player.colour));
        imgcType->setText(qtext(player.type));
        setEntryLevel(player.level);
        addPlayer();
    }
    if (playersAdded == 0)
        txtName->setText(qtext(defaultPlayerName(0)));
    resetPlayerCheck();
    cmd4Computers->setEnabled(playersAdded == 0);
    lstPlayers_SelectionChanged();
    showEntryLevel();
}

int FrmPlayers::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = lstPlayers->selectedItems();
    return selected.isEmpty() ? -1 : lstPlayers->indexOfTopLevelItem(selected.first());
}

void FrmPlayers::lstPlayers_SelectionChanged()
{
    // A player being edited is put back before another is taken.
    const bool chosen = selectedRow() >= 0 && editedRow_ < 0;
    cmdEdit->setEnabled(chosen);
    cmdRemove->setEnabled(chosen);
}

void FrmPlayers::cmdRemove_Click()
{
    const int row = selectedRow();
    if (row < 0 || editedRow_ >= 0)
        return;
    std::vector<NewPlayer> players = listedPlayers();
    players.erase(players.begin() + row);
    listPlayers(players);
}

void FrmPlayers::cmdEdit_Click()
{
    const int row = selectedRow();
    if (row < 0 || editedRow_ >= 0)
        return;
    std::vector<NewPlayer> players = listedPlayers();
    const NewPlayer edited = players[static_cast<std::size_t>(row)];
    players.erase(players.begin() + row);
    listPlayers(players);
    // Its piece and colour are free again, so the combos offer them.
    editedRow_ = row;
    txtName->setText(qtext(edited.name));
    imgcPieces->setText(qtext(edited.piece));
    imgcColours->setText(qtext(edited.colour));
    imgcType->setText(qtext(edited.type));
    setEntryLevel(edited.level);
    pieceChosen = colourChosen = typeChosen = true;
    checkName();
    cmd4Computers->setEnabled(false);
    lstPlayers_SelectionChanged();
    txtName->setFocus();
}

void FrmPlayers::cmd4Computers_Click()
{
    // Only offered before anyone is listed, so the fixed pieces and colours
    // are all still free.
    if (playersAdded != 0)
        return;
    // The first computer takes the typed name, or the suggested one when
    // what is typed could not be a name.
    if (!isUsableName(utf8(txtName->text())))
        txtName->setText(qtext(defaultPlayerName(0)));
    for (const PieceAndColour &choice : ComputerPlayerChoices) {
        imgcPieces->setText(qtext(choice.piece));
        imgcColours->setText(qtext(choice.colour));
        imgcType->setText(qtext(TypeNames[Computer]));
        setEntryLevel(seatLevels_[static_cast<std::size_t>(playersAdded)]);
        addPlayer();
    }
    cmd4Computers->setEnabled(false);
    showLevelChoice();
}

void FrmPlayers::cmdNext_Click()
{
    if (startGameAction_)
        startGameAction_();
    // Closed by the program: no question is asked.
    unload();
}

GameOptions FrmPlayers::options() const { return optionsPanel->options(); }

Pace FrmPlayers::pace() const { return optionsPanel->pace(); }

int FrmPlayers::windowScale() const { return optionsPanel->windowScale(); }

void FrmPlayers::setChoices(const GameOptions &options, Pace pace) { optionsPanel->setChoices(options, pace); }

void FrmPlayers::setWindowScale(int percent) { optionsPanel->setWindowScale(percent); }

bool FrmPlayers::queryUnload(CloseReason reason)
{
    QuitContext context = quitContext_;
    if (!context.boxes)
        context.boxes = &boxes_;
    return quitCancelled(reason, this, context);
}

} // namespace tycora::ui
