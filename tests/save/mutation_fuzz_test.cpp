// Thousands of damaged saved games: bytes flipped, cut, doubled, and fields
// given values of every kind. Each one is refused with a message, or is a
// game that can be played on.

#include "game/replay.h"
#include "save/game_document.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <random>

namespace tycora::testing {
namespace {

// Every leaf of the document, as a path of keys and indexes.
void leaves(const QJsonValue &node, QStringList path, std::vector<QStringList> &out)
{
    if (node.isObject()) {
        const QJsonObject o = node.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            leaves(it.value(), path + QStringList{it.key()}, out);
    } else if (node.isArray()) {
        const QJsonArray a = node.toArray();
        for (qsizetype i = 0; i < a.size(); ++i)
            leaves(a[i], path + QStringList{QString::number(i)}, out);
    }
    out.push_back(path);
}

QJsonValue replaced(const QJsonValue &node, const QStringList &path, int depth, const QJsonValue &value)
{
    if (depth == path.size())
        return value;
    bool isIndex = false;
    const int index = path[depth].toInt(&isIndex);
    if (isIndex && node.isArray()) {
        QJsonArray a = node.toArray();
        if (index < 0 || index >= a.size())   // an earlier change shortened it
            return node;
        a[index] = replaced(a[index], path, depth + 1, value);
        return a;
    }
    QJsonObject o = node.toObject();
    o[path[depth]] = replaced(o[path[depth]], path, depth + 1, value);
    return o;
}

// A game that loaded is played on for a while: nothing in it may upset
// the engine.
void playOn(const SavedGame &game)
{
    NoEventLog log;
    Simulation sim(optionsToResume(game, 5), log);
    sim.resumeFrom(game);
    for (int tick = 0; tick < 300 && !sim.finished() && sim.playTick(); ++tick) {
    }
}

TEST(MutatedSavedGames, AreRefusedWithAMessageOrPlayable)
{
    const SavedGame game = playedGame(RuleSet::Full, 25, 31, 3, true);
    const QByteArray good = save::gameDocument(game, TestProvenance);
    const QJsonObject root = QJsonDocument::fromJson(good).object();
    std::vector<QStringList> paths;
    leaves(root, {}, paths);
    const QJsonValue values[] = {QJsonValue(-1), 0, 1, 2, 4, 5, 10, 12, 39, 40, 13, 14, 1e9, -1e9, 0.5, 32768,
                                 QJsonValue(true), QJsonValue(false), QJsonValue(), "", "Full", "Dog",
                                 "GetOutJailCard", "Computer", QJsonArray(), QJsonObject(), QJsonArray{1, 1}};

    std::mt19937 random(2026);
    int refused = 0, loaded = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes;
        if (round % 2 == 0) {
            bytes = good;
            const int changes = 1 + static_cast<int>(random() % 4);
            for (int c = 0; c < changes && !bytes.isEmpty(); ++c) {
                const qsizetype at = static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size()));
                switch (random() % 4) {
                case 0: bytes[at] = static_cast<char>(random() % 256); break;
                case 1: bytes.truncate(at); break;
                case 2: bytes.remove(at, 1 + static_cast<qsizetype>(random() % 20)); break;
                case 3: bytes.insert(at, bytes.mid(static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size())), 10)); break;
                }
            }
        } else {
            QJsonValue doc = root;
            const int changes = 1 + static_cast<int>(random() % 3);
            for (int c = 0; c < changes; ++c) {
                const QStringList &path = paths[random() % paths.size()];
                doc = replaced(doc, path, 0, values[random() % std::size(values)]);
            }
            bytes = QJsonDocument(doc.toObject()).toJson(QJsonDocument::Compact);
        }
        const save::ReadGame read = save::readGameDocument(bytes);
        if (!read.problem.isEmpty()) {
            ++refused;
            continue;
        }
        ++loaded;
        playOn(read.game);
        NoEventLog quiet;
        (void)replayDifference(read.game, quiet);
    }
    EXPECT_GT(refused, 3000);
    EXPECT_GT(loaded, 10);
}

} // namespace
} // namespace tycora::testing
