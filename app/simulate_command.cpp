#include "app/simulate_command.h"

#include "ui/toolkit/runtime_services.h"

#include <chrono>
#include <fstream>
#include <ostream>

namespace tycora::app {

namespace {

// The simulated game's event lines, exactly as debug.txt would get them.
class FileLog final : public EventLog {
public:
    explicit FileLog(const std::string &path) : file_(path, std::ios::binary | std::ios::app) {}
    bool good() const { return file_.good(); }
    bool isOn() const override { return true; }
    void writeLog(const std::string &message) override
    {
        file_ << message;
        if (message.size() < 2 || message.compare(message.size() - 2, 2, "\r\n") != 0)
            file_ << "\r\n";
    }

private:
    std::ofstream file_;
};

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::string dateTime() { return ui::localDateTimeText().toStdString(); }

} // namespace

int runSimulation(const LaunchOptions &launch, std::ostream &out, std::ostream &err)
{
    SimulationOptions options = launch.simulation;
    if (!launch.seedGiven)
        options.seed = clockSeed();

    std::unique_ptr<FileLog> fileLog;
    NoEventLog noLog;
    EventLog *log = &noLog;
    if (!launch.logFile.empty()) {
        fileLog = std::make_unique<FileLog>(launch.logFile);
        if (!fileLog->good()) {
            err << "tycora: cannot open " << launch.logFile << " for the event log\n";
            return 2;
        }
        log = fileLog.get();
    }

    log->writeLog("Game Started:  " + dateTime());
    Simulation sim(options, *log);
    sim.setUp();
    const bool played = sim.run();
    sim.engine().stopTimers();
    log->writeLog("Game Ended:  " + dateTime() + "\r\n\r\n");
    if (fileLog && !fileLog->good()) {
        err << "tycora: writing the event log to " << launch.logFile << " failed\n";
        return 1;
    }
    out << sim.reportJson() << '\n';
    if (!played) {
        err << "tycora: the game stopped before all turns were played\n";
        return 1;
    }
    return 0;
}

} // namespace tycora::app
