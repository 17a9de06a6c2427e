#pragma once

// Run-time services for tests: a fixed folder, command line and date, a
// scripted random generator, files appended to memory or to disk, and an
// end of process that only takes note.

#include "toolkit/runtime_services.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <deque>
#include <initializer_list>
#include <iterator>
#include <random>

namespace tycora::testing {

class FakeServices : public ui::RuntimeServices {
public:
    bool otherCopy = false;
    QString folder = QStringLiteral("/opt/tycora");
    QString arguments;
    QString now = QStringLiteral("06/12/2026 12:00:00");
    std::deque<double> randoms;
    bool writeToDisk = false;     // otherwise appended bytes are kept in files
    QMap<QString, QByteArray> files;
    QStringList problems;
    bool ended = false;
    int exitCode = -1;

    // Queues `count` random numbers in [0, 1) drawn from a generator with
    // the given seed, so a test plays the same game every run.
    void queueRandoms(unsigned seed, int count)
    {
        std::mt19937 generator(seed);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < count; ++i)
            randoms.push_back(uniform(generator));
    }

    // Puts the dice of the next throws before anything queued: each die
    // is Int(6 * r) + 1.
    void nextDice(std::initializer_list<int> faces)
    {
        auto at = randoms.begin();
        for (const int face : faces)
            at = std::next(randoms.insert(at, (face - 0.5) / 6.0));
    }

    bool anotherCopyRunning() override { return otherCopy; }
    QString programFolder() const override { return folder; }
    QString commandLine() const override { return arguments; }
    QString dateTimeText() const override { return now; }
    double random() override
    {
        if (randoms.empty())
            return 0.0;
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    bool appendToFile(const QString &path, const QByteArray &bytes, QString *error) override
    {
        if (!writeToDisk) {
            files[path] += bytes;
            return true;
        }
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
            if (error)
                *error = f.errorString();
            return false;
        }
        const bool ok = f.write(bytes) == bytes.size();
        if (!ok && error)
            *error = f.errorString();
        return ok;
    }
    void reportProblem(const QString &text) override { problems << text; }
    void endProcess(int code) override
    {
        ended = true;
        exitCode = code;
    }
};

} // namespace tycora::testing
