#pragma once

// What the program needs of the system around it, behind an interface so
// that tests can stand in for the system.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace tycora::ui {

class RuntimeServices {
public:
    virtual ~RuntimeServices() = default;

    // True when another copy of the game is running for this user.
    virtual bool anotherCopyRunning() = 0;
    virtual QString programFolder() const = 0;
    // The program's arguments joined by single blanks.
    virtual QString commandLine() const = 0;
    // The local date and time in the system's usual short form.
    virtual QString dateTimeText() const = 0;
    // A uniform random number in [0, 1), from a generator seeded by the clock.
    virtual double random() = 0;
    // Where that generator stands: its seed and the count of numbers drawn,
    // so that a saved game's dice go on as they would have. None for a
    // generator that cannot say.
    struct RandomPosition {
        std::uint64_t seed = 0;
        std::uint64_t draws = 0;
    };
    virtual std::optional<RandomPosition> randomPosition() const { return std::nullopt; }
    // Appends whole lines to a file, creating it when missing: all of the
    // bytes or none of them, and on a line of their own. Only a regular file
    // is written, and never through a symbolic link. On failure returns
    // false with the reason in *error.
    virtual bool appendToFile(const QString &path, const QByteArray &bytes, QString *error) = 0;
    // Says something to whoever started the program (standard error).
    virtual void reportProblem(const QString &text) = 0;
    // Ends the process at once. (A test stand-in only takes note and
    // returns, so callers must not rely on it never returning.)
    virtual void endProcess(int exitCode) = 0;
};

// The real system. The single-instance lock is an advisory lock on a file
// in the user's runtime folder: the kernel drops it when the process ends in
// any way, so a crashed or killed copy never blocks the next start.
class SystemServices final : public RuntimeServices {
public:
    SystemServices(int argc, char **argv);
    ~SystemServices() override;

    bool anotherCopyRunning() override;
    QString programFolder() const override;
    QString commandLine() const override;
    QString dateTimeText() const override;
    double random() override;
    std::optional<RandomPosition> randomPosition() const override;
    bool appendToFile(const QString &path, const QByteArray &bytes, QString *error) override;
    void reportProblem(const QString &text) override;
    void endProcess(int exitCode) override;

    // Where the lock lives: in the user's runtime folder when it is the
    // user's own and private, otherwise in a folder of the game's own in the
    // user's cache folder (~/.cache/tycora, made private). Never in a folder
    // other users can write to, where one of them could plant the file
    // first and keep the game from starting. Empty when there is no such
    // place; the game then plays without a lock. Tests point it elsewhere.
    static QString defaultLockPath();
    void setLockPath(const QString &path) { lockPath_ = path; }

private:
    struct Random;
    QString commandLine_;
    std::optional<QString> lockPath_;   // the default until asked for
    int lockFd_ = -1;
    std::unique_ptr<Random> random_;
};

// The local date and time as the log's start and end lines show them.
QString localDateTimeText();

// Appending lines to an open file, shared by the event log beside the
// program and the simulation's log file.
namespace lines {

// What must go before the next line so that it starts on a line of its own:
// nothing when the file is empty or ends with LF (or cannot be read), LF
// after a lone CR, otherwise CR LF.
std::string_view freshLinePrefix(int fd);

// Appends the bytes with as many writes as it takes. After a failure part
// way, a regular file is cut back to where the bytes began, so it never
// ends in a part of them. Returns 0, or the errno of the failure.
int appendWhole(int fd, std::string_view bytes);

// Why an entry that is not a regular file is not written: "a named pipe,
// not a regular file" and the like.
QString notARegularFile(unsigned mode);

} // namespace lines

// Takes the single-instance lock at path; false when another process holds
// it. On success *fd holds the lock until it is closed or the process ends.
// The file is opened only as the user's own regular file and never through
// a symbolic link; whatever else is found at path is replaced. Where no
// lock can be taken at all, the answer is true: nobody else holds one.
bool takeInstanceLock(const QString &path, int *fd);

} // namespace tycora::ui
