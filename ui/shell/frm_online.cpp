#include "ui/shell/frm_online.h"

#include "game/pace.h"
#include "game/player_name_rule.h"
#include "game/player_setup.h"
#include "ui/shell/options_panel.h"
#include "toolkit/centre_over.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/frame.h"
#include "toolkit/game_window_look.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tycora::ui {

namespace {

CommandButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new CommandButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

template <typename Names>
QComboBox *namesCombo(const Names &names, const QString &objectName, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    for (const std::string_view name : names)
        combo->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())).trimmed());
    return combo;
}

QLineEdit *lineEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

FrmOnline::FrmOnline(client::OnlineClient &client, QWidget *over) : client_(client), over_(over)
{
    setObjectName(QStringLiteral("frmOnline"));
    setWindowTitle(tr("Online Game"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    giveGameWindowLook(*this);

    pages_ = new QStackedWidget(this);

    // Host or join.
    auto *choice = new QWidget(pages_);
    cmdHost = button(tr("Host"), QStringLiteral("cmdHost"), choice);
    cmdJoin = button(tr("Join"), QStringLiteral("cmdJoin"), choice);
    for (CommandButton *b : {cmdHost, cmdJoin}) {
        b->setFont(tahoma(12, true));
        b->setMinimumSize(140, 50);
    }
    auto *choiceLayout = new QHBoxLayout(choice);
    choiceLayout->addWidget(cmdHost);
    choiceLayout->addWidget(cmdJoin);
    pages_->addWidget(choice);

    // The seat: where, who, and for the host the game's rules.
    seatPage_ = new QWidget(pages_);
    txtServer = lineEdit(QStringLiteral("txtServer"), seatPage_);
    txtServer->setText(DefaultServer);
    txtCode = lineEdit(QStringLiteral("txtCode"), seatPage_);
    txtCode->setMaxLength(6);
    txtCode->setPlaceholderText(tr("six letters"));
    txtName = lineEdit(QStringLiteral("txtName"), seatPage_);
    txtName->setMaxLength(MaxNameLength);
    cboPiece = namesCombo(PieceNames, QStringLiteral("cboPiece"), seatPage_);
    cboColour = namesCombo(ColourNames, QStringLiteral("cboColour"), seatPage_);
    auto *form = new QFormLayout;
    form->addRow(tr("Server:"), txtServer);
    codeRow_ = txtCode;
    form->addRow(tr("Code:"), txtCode);
    form->addRow(tr("Your name:"), txtName);
    form->addRow(tr("Piece:"), cboPiece);
    form->addRow(tr("Colour:"), cboColour);
    // The set-up's own Options frame, less the windows' size.
    auto *frame = new Frame(seatPage_);
    frame->setCaption(tr("Options"));
    frame->setBackColour(boardGreen());
    frame->setFont(tahoma(9.75, true));
    optionsPanel = new OptionsPanel(frame);
    optionsPanel->hideWindowScale();
    frame->setFixedSize(QSize(5745, 1770) / 15);
    optionsFrame_ = frame;
    cmdGo = button(QString(), QStringLiteral("cmdGo"), seatPage_);
    cmdGo->setDefault(true);
    cmdBack = button(tr("<<  Back"), QStringLiteral("cmdBack"), seatPage_);
    auto *goRow = new QHBoxLayout;
    goRow->addWidget(cmdBack);
    goRow->addStretch();
    goRow->addWidget(cmdGo);
    auto *seatLayout = new QVBoxLayout(seatPage_);
    seatLayout->addLayout(form);
    seatLayout->addWidget(frame);
    seatLayout->addLayout(goRow);
    pages_->addWidget(seatPage_);

    // The lobby.
    lobbyPage_ = new QWidget(pages_);
    lblCode = new QLabel(lobbyPage_);
    lblCode->setObjectName(QStringLiteral("lblCode"));
    lblCode->setFont(tahoma(12, true));
    lblCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lstSeats = new QListWidget(lobbyPage_);
    lstSeats->setObjectName(QStringLiteral("lstSeats"));
    lstSeats->setMinimumHeight(90);
    cmdAddComputer = button(tr("Add Computer"), QStringLiteral("cmdAddComputer"), lobbyPage_);
    cmdStart = button(tr("Start"), QStringLiteral("cmdStart"), lobbyPage_);
    lblLobbyNote = new QLabel(lobbyPage_);
    lblLobbyNote->setObjectName(QStringLiteral("lblLobbyNote"));
    auto *lobbyButtons = new QHBoxLayout;
    lobbyButtons->addWidget(cmdAddComputer);
    lobbyButtons->addStretch();
    lobbyButtons->addWidget(cmdStart);
    auto *lobbyLayout = new QVBoxLayout(lobbyPage_);
    lobbyLayout->addWidget(lblCode);
    lobbyLayout->addWidget(lstSeats);
    lobbyLayout->addWidget(lblLobbyNote);
    lobbyLayout->addLayout(lobbyButtons);
    pages_->addWidget(lobbyPage_);

    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #800000"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(lblProblem);

    connect(cmdHost, &QPushButton::clicked, this, [this] { showChoice(true); });
    connect(cmdJoin, &QPushButton::clicked, this, [this] { showChoice(false); });
    connect(cmdBack, &QPushButton::clicked, this, [this] {
        pages_->setCurrentIndex(0);
        showProblem({});
        adjustSize();
    });
    connect(cmdGo, &QPushButton::clicked, this, &FrmOnline::go);
    connect(cmdAddComputer, &QPushButton::clicked, &client_, &client::OnlineClient::addComputer);
    connect(cmdStart, &QPushButton::clicked, &client_, &client::OnlineClient::start);
    connect(&client_, &client::OnlineClient::joined, this, &FrmOnline::showLobby);
    connect(&client_, &client::OnlineClient::gameChanged, this, &FrmOnline::showLobby);
    connect(&client_, &client::OnlineClient::refused, this, &FrmOnline::showProblem);
    lblProblem->hide();
    adjustSize();
}

void FrmOnline::open()
{
    show();
    centreOver(*this, over_);
    raise();
    activateWindow();
}

void FrmOnline::showChoice(bool hosting)
{
    hosting_ = hosting;
    txtCode->setVisible(!hosting);
    if (auto *form = seatPage_->findChild<QFormLayout *>(); form && form->labelForField(txtCode))
        form->labelForField(txtCode)->setVisible(!hosting);
    optionsFrame_->setVisible(hosting);
    cmdGo->setText(hosting ? tr("Create Game") : tr("Join Game"));
    pages_->setCurrentIndex(1);
    showProblem({});
    adjustSize();
    txtName->setFocus();
}

QString FrmOnline::seatProblem() const
{
    switch (nameFault(txtName->text().toStdString())) {
    case NameFault::None:
        break;
    case NameFault::Blank:
        return tr("Type a name");
    case NameFault::TooLong:
        return tr("A name is at most %1 characters").arg(MaxNameLength);
    case NameFault::HiddenCharacter:
        return tr("A name may not hold control or invisible characters");
    case NameFault::EventMark:
        return tr("A name may not hold \": \" or \"-->\"");
    }
    const QUrl server(txtServer->text().trimmed());
    if (!server.isValid() || (server.scheme() != QLatin1String("ws") && server.scheme() != QLatin1String("wss")))
        return tr("A server address begins ws:// or wss://");
    if (!hosting_ && txtCode->text().trimmed().size() != 6)
        return tr("A join code has six letters");
    return {};
}

void FrmOnline::go()
{
    if (const QString problem = seatProblem(); !problem.isEmpty()) {
        showProblem(problem);
        return;
    }
    showProblem({});
    const client::Seating me{txtName->text().trimmed(), cboPiece->currentText(), cboColour->currentText()};
    const QUrl server(txtServer->text().trimmed());
    if (hosting_) {
        const GameOptions options = optionsPanel->options();
        client_.host(server, me,
                     {QString::fromLatin1(ruleSetName(options.rules)), options.firstRoundBuying,
                      options.doubleGoSalary, options.freeParkingPot,
                      QString::fromLatin1(paceName(optionsPanel->pace()))});
    } else {
        client_.join(server, txtCode->text(), me);
    }
}

void FrmOnline::showLobby()
{
    if (!client_.seated())
        return;
    const QJsonObject &game = client_.game();
    lblCode->setText(tr("Join code: %1").arg(client_.code()));
    lstSeats->clear();
    const QJsonArray seats = game.value("seats").toArray();
    for (const QJsonValue &value : seats) {
        const QJsonObject seat = value.toObject();
        lstSeats->addItem(tr("%1  (%2, %3)%4")
                              .arg(seat.value("name").toString(), seat.value("piece").toString(),
                                   seat.value("colour").toString(),
                                   seat.value("computer").toBool() ? tr(", computer") : QString()));
    }
    const bool host = client_.seat() == 0;
    cmdAddComputer->setVisible(host);
    cmdStart->setVisible(host);
    cmdAddComputer->setEnabled(seats.size() < MaxPlayers);
    cmdStart->setEnabled(seats.size() >= 2);
    lblLobbyNote->setText(host ? tr("Give the code to the players who join; start when all are here.")
                               : tr("Waiting for the host to start the game."));
    if (pages_->currentWidget() != lobbyPage_) {
        pages_->setCurrentWidget(lobbyPage_);
        showProblem({});
        adjustSize();
    }
}

void FrmOnline::showProblem(const QString &problem)
{
    lblProblem->setText(problem);
    lblProblem->setVisible(!problem.isEmpty());
}

} // namespace tycora::ui
