#include "app/simulate_command.h"

#include "app/debug_log.h"
#include "game/replay.h"
#include "app/heat_map_export.h"
#include "app/simulate_games.h"
#include "app/termination_signals.h"
#include "save/game_file.h"
#include "toolkit/runtime_services.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <ostream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

namespace tycora::app {

namespace {

// The simulated game's event lines, exactly as debug.txt would get them.
// Lines are gathered and written in blocks of whole lines; a block that
// cannot be written in full is taken back out of a regular file, so the
// file never ends in a part of a line.
class LogFile final : public EventLog {
public:
    static constexpr std::size_t BlockSize = 64 * 1024;

    LogFile(const std::string &path, const SimulationSurroundings &surroundings)
    {
        const int flags = O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY;
        // Read access to a regular file shows how it ends; a named pipe is
        // opened for writing only, so that it waits for its reader.
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            fd_ = ::open(path.c_str(), O_RDWR | flags, 0666);
        if (fd_ < 0)
            openWaitingForAReader(path, flags, surroundings);
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        buffer_ = ui::lines::freshLinePrefix(fd_);
    }
    ~LogFile() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool opened() const { return fd_ >= 0; }
    // The stop signal that came while waiting for a reader, or 0.
    int stoppedBy() const { return stoppedBy_; }
    // The errno of the first failure, or 0.
    int error() const { return error_; }

    bool isOn() const override { return true; }
    void writeLog(const std::string &message) override
    {
        buffer_ += logLineBytes(message).toStdString();
        if (buffer_.size() >= BlockSize)
            flush();
    }

    // Writes what is gathered and closes the file; false on failure.
    bool finish()
    {
        flush();
        if (fd_ >= 0 && ::close(fd_) != 0 && error_ == 0)
            error_ = errno;
        fd_ = -1;
        return error_ == 0;
    }

private:
    // Opening a named pipe for writing waits until it has a reader; a stop
    // signal in the meantime ends the wait.
    void openWaitingForAReader(const std::string &path, int flags, const SimulationSurroundings &surroundings)
    {
        const auto stopped = [&] {
            stoppedBy_ = surroundings.stopSignal ? surroundings.stopSignal() : 0;
            return stoppedBy_ != 0;
        };
        if (surroundings.interruptWaits)
            surroundings.interruptWaits(true);
        while (!stopped() && (fd_ = ::open(path.c_str(), O_WRONLY | flags, 0666)) < 0 && errno == EINTR) {
        }
        const int saved = errno;
        if (surroundings.interruptWaits)
            surroundings.interruptWaits(false);
        errno = saved;
    }

    void flush()
    {
        if (error_ == 0 && fd_ >= 0 && !buffer_.empty())
            error_ = ui::lines::appendWhole(fd_, buffer_);
        buffer_.clear();
    }

    int fd_ = -1;
    int error_ = 0;
    int stoppedBy_ = 0;
    std::string buffer_;
};

// A line on standard error that tells how far a long simulation has come,
// rewritten in place and wiped at the end. It appears once the simulation
// has run for a second, so short ones print nothing.
class ProgressLine {
public:
    ProgressLine(std::ostream &err, const SimulationSurroundings &surroundings, long long turns)
        : err_(err), shown_(surroundings.showProgress && surroundings.seconds), seconds_(surroundings.seconds),
          turns_(turns), start_(shown_ ? seconds_() : 0), next_(start_ + 1.0)
    {
    }

    void update(long long turnsDone, long long throws)
    {
        if (!shown_)
            return;
        const double now = seconds_();
        if (now < next_)
            return;
        next_ = now + 0.5;
        const double rate = now > start_ ? static_cast<double>(throws) / (now - start_) : 0;
        std::string text = "tycora: " + std::to_string(turnsDone) + " of " + std::to_string(turns_) +
                           " turns played, " + std::to_string(static_cast<long long>(rate)) + " throws a second";
        const std::size_t width = text.size();
        if (text.size() < width_)
            text.append(width_ - text.size(), ' ');
        width_ = std::max(width_, width);
        err_ << '\r' << text << std::flush;
    }

    void clear()
    {
        if (width_ > 0)
            err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
        width_ = 0;
    }

private:
    std::ostream &err_;
    bool shown_;
    std::function<double()> seconds_;
    long long turns_;
    double start_, next_;
    std::size_t width_ = 0;
};

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::string dateTime() { return ui::localDateTimeText().toStdString(); }

QString qpath(const std::string &path) { return QString::fromLocal8Bit(path.data(), qsizetype(path.size())); }

// The saved game to go on with, or a message why it cannot be.
std::optional<SavedGame> gameToResume(const std::string &path, std::ostream &err)
{
    save::LoadedGame loaded = save::loadGameFile(qpath(path));
    if (!loaded.error.isEmpty()) {
        err << "tycora: " << loaded.error.toStdString() << "\n";
        return std::nullopt;
    }
    for (const NewPlayer &p : loaded.game.players)
        if (typeIndex(p.type) != Computer)
            err << "tycora: " << p.name << " is a person; without a window the computer plays their seat\n";
    return std::move(loaded.game);
}

// Writes the game as it stands; false (with the reason on err) when it
// cannot be saved.
bool saveGame(Simulation &sim, const std::string &path, std::ostream &err)
{
    if (!sim.engine().settled()) {
        err << "tycora: the game cannot be saved to " << path
            << ": it stopped in the middle of a turn, not with a player to throw\n";
        return false;
    }
    const QString error = save::saveGameFile(qpath(path), sim.capture(), save::currentProvenance(TYCORA_VERSION));
    if (!error.isEmpty()) {
        err << "tycora: " << error.toStdString() << "\n";
        return false;
    }
    return true;
}

} // namespace

int runReplay(const LaunchOptions &launch, std::ostream &out, std::ostream &err)
{
    const save::LoadedGame loaded = save::loadGameFile(qpath(launch.replayFile));
    if (!loaded.error.isEmpty()) {
        err << "tycora: " << loaded.error.toStdString() << "\n";
        return 1;
    }
    NoEventLog quiet;
    const std::string difference = replayDifference(loaded.game, quiet);
    if (!difference.empty()) {
        err << "tycora: the replay of \"" << launch.replayFile << "\" differs from the saved game: " << difference
            << "\n";
        return 1;
    }
    out << "The replay of \"" << launch.replayFile << "\" reaches the saved game.\n";
    return 0;
}

int runSimulation(const LaunchOptions &launch, std::ostream &out, std::ostream &err)
{
    // Installed before the log is opened, so that a signal never cuts it.
    StopSignalFlag stopSignals;
    SimulationSurroundings surroundings;
    surroundings.showProgress = ::isatty(STDERR_FILENO) == 1;
    surroundings.seconds = [] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    };
    surroundings.stopSignal = &StopSignalFlag::received;
    surroundings.interruptWaits = [&stopSignals](bool on) { stopSignals.interruptWaits(on); };
    return runSimulation(launch, out, err, surroundings);
}

int runSimulation(const LaunchOptions &launch, std::ostream &out, std::ostream &err,
                  const SimulationSurroundings &surroundings)
{
    SimulationOptions options = launch.simulation;
    if (!launch.seedGiven)
        options.seed = clockSeed();
    options.recordHistory = !launch.saveFile.empty();
    std::optional<SavedGame> resumed;
    if (!launch.loadFile.empty()) {
        resumed = gameToResume(launch.loadFile, err);
        if (!resumed)
            return 1;
        options = optionsToResume(*resumed, launch.simulation.turns);
    }
    if (launch.games > 1)
        return runGames(launch, options, out, err, surroundings);

    std::unique_ptr<LogFile> logFile;
    NoEventLog noLog;
    EventLog *log = &noLog;
    if (!launch.logFile.empty()) {
        logFile = std::make_unique<LogFile>(launch.logFile, surroundings);
        if (const int signal = logFile->stoppedBy(); signal != 0) {
            err << "tycora: stopped by " << stopSignalName(signal) << " while waiting for a reader of "
                << launch.logFile << "\n";
            return 128 + signal;
        }
        if (!logFile->opened()) {
            err << "tycora: cannot open " << launch.logFile << " for the event log: " << std::strerror(logFile->error())
                << "\n";
            return 2;
        }
        log = logFile.get();
    }

    log->writeLog("Game Started:  " + dateTime());
    Simulation sim(options, *log);
    if (resumed) {
        log->writeLog("Game Loaded:  " + QFileInfo(qpath(launch.loadFile)).fileName().toStdString() + " (round " +
                      std::to_string(roundOf(*resumed)) + ")");
        sim.resumeFrom(*resumed);
    } else {
        sim.setUp();
    }

    // The game is played tick by tick as Simulation::run() does, looking up
    // now and then for a stop signal, a failed log and the progress line.
    // Between two ticks every line of the log is whole.
    ProgressLine progress(err, surroundings, options.turns);
    Engine &engine = sim.engine();
    bool stoodStill = false;
    int stopSignal = 0;
    for (std::uint64_t tick = 1; !sim.finished(); ++tick) {
        if (tick % 256 == 0) {
            if (surroundings.stopSignal && (stopSignal = surroundings.stopSignal()) != 0)
                break;
            if (logFile && logFile->error() != 0)
                break;
            progress.update(engine.handOvers(), engine.throws());
        }
        if (!sim.playTick()) {
            stoodStill = true;
            break;
        }
    }
    const bool saved = launch.saveFile.empty() || saveGame(sim, launch.saveFile, err);
    engine.stopTimers();
    progress.clear();
    log->writeLog("Game Ended:  " + dateTime() + "\r\n\r\n");
    if (logFile && !logFile->finish()) {
        err << "tycora: writing the event log to " << launch.logFile << " failed: " << std::strerror(logFile->error())
            << "\n";
        return 1;
    }
    if (stopSignal != 0) {
        err << "tycora: stopped by " << stopSignalName(stopSignal) << " after " << engine.handOvers() << " of "
            << options.turns << " turns\n";
        return 128 + stopSignal;
    }
    if (!launch.heatMapFile.empty()) {
        if (const std::string error = exportHeatMap(landingsOf(sim.state()), 1, launch.heatMapFile); !error.empty()) {
            err << "tycora: " << error << "\n";
            return 1;
        }
    }
    out << sim.reportJson() << '\n';
    if (stoodStill) {
        err << "tycora: the game stopped before all turns were played\n";
        return 1;
    }
    return saved ? 0 : 1;
}

} // namespace tycora::app
