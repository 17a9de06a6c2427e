#include "ui/shell/frm_load_game.h"

#include "save/game_file.h"
#include "toolkit/centre_over.h"
#include "toolkit/command_button.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tycora::ui {

namespace {

QString whenSaved(const save::SavedGameEntry &game)
{
    const QDateTime saved = QDateTime::fromString(game.saved, Qt::ISODate);
    const QDateTime when = saved.isValid() ? saved : game.modified;
    return when.toLocalTime().toString(QStringLiteral("d MMM yyyy HH:mm"));
}

// The message names the file, which the row does already: the reason alone.
QString reasonOnly(const QString &problem)
{
    const QString marker = QStringLiteral("cannot be loaded: ");
    const qsizetype at = problem.indexOf(marker);
    return at < 0 ? problem : problem.mid(at + marker.size());
}

} // namespace

FrmLoadGame::FrmLoadGame(const std::vector<save::SavedGameEntry> &games, QWidget *over)
    : over_(over), games_(games)
{
    setWindowTitle(tr("Load Game"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    lstGames = new QTreeWidget(this);
    lstGames->setObjectName(QStringLiteral("lstGames"));
    lstGames->setRootIsDecorated(false);
    lstGames->setAlternatingRowColors(true);
    lstGames->setHeaderLabels({tr("Game"), tr("Players"), tr("Rules"), tr("Round"), tr("Saved")});
    for (const save::SavedGameEntry &game : games_) {
        auto *row = new QTreeWidgetItem(lstGames);
        row->setText(0, game.title);
        row->setData(0, Qt::UserRole, game.path);
        row->setToolTip(0, game.path);
        if (!game.problem.isEmpty()) {
            // Listed, so that no saved game is silently hidden, but greyed;
            // its reason is written once the columns have their widths.
            row->setToolTip(1, game.problem);
            row->setFlags(row->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            continue;
        }
        row->setText(1, game.players);
        row->setText(2, game.rules);
        row->setText(3, QString::number(game.round));
        row->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(4, whenSaved(game));
    }
    for (int column = 0; column < lstGames->columnCount(); ++column)
        lstGames->resizeColumnToContents(column);
    lstGames->setColumnWidth(1, std::max(lstGames->columnWidth(1), 220));
    for (int i = 0; i < lstGames->topLevelItemCount(); ++i) {
        const save::SavedGameEntry &game = games_[static_cast<std::size_t>(i)];
        if (!game.problem.isEmpty())
            lstGames->topLevelItem(i)->setText(1, reasonOnly(game.problem));
    }
    lstGames->header()->setStretchLastSection(true);
    lstGames->setMinimumSize(620, 220);

    cmdLoad = new CommandButton(tr("Load"), this);
    cmdLoad->setObjectName(QStringLiteral("cmdLoad"));
    cmdLoad->setDefault(true);
    cmdOpenFile = new CommandButton(tr("Open File…"), this);
    cmdOpenFile->setObjectName(QStringLiteral("cmdOpenFile"));
    cmdCancel = new CommandButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdOpenFile);
    buttons->addStretch();
    buttons->addWidget(cmdLoad);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstGames);
    layout->addLayout(buttons);

    // The first game that can be loaded is chosen already.
    for (int i = 0; i < lstGames->topLevelItemCount(); ++i) {
        if (lstGames->topLevelItem(i)->flags() & Qt::ItemIsEnabled) {
            lstGames->setCurrentItem(lstGames->topLevelItem(i));
            break;
        }
    }
    const auto updateLoad = [this] {
        const QTreeWidgetItem *row = lstGames->currentItem();
        cmdLoad->setEnabled(row && (row->flags() & Qt::ItemIsEnabled));
    };
    updateLoad();
    connect(lstGames, &QTreeWidget::currentItemChanged, this, updateLoad);
    connect(lstGames, &QTreeWidget::itemActivated, this, [this] { choose(); });
    connect(cmdLoad, &QPushButton::clicked, this, &FrmLoadGame::choose);
    connect(cmdOpenFile, &QPushButton::clicked, this, &FrmLoadGame::openFile);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmLoadGame::close);

    askFile_ = [this] {
        return QFileDialog::getOpenFileName(this, tr("Open Saved Game"),
                                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                            tr("Saved games (*%1)").arg(save::FileExtension));
    };
    adjustSize();
}

void FrmLoadGame::open()
{
    show();
    centreOver(*this, over_);
    raise();
    activateWindow();
}

void FrmLoadGame::choose()
{
    const QTreeWidgetItem *row = lstGames->currentItem();
    if (!row || !(row->flags() & Qt::ItemIsEnabled))
        return;
    const QString path = row->data(0, Qt::UserRole).toString();
    close();
    emit gameChosen(path);
}

void FrmLoadGame::openFile()
{
    const QString path = askFile_ ? askFile_() : QString();
    if (path.isEmpty())
        return;
    close();
    emit gameChosen(path);
}

} // namespace tycora::ui
