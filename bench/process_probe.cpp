#include "bench/process_probe.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <dirent.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tycora::bench {

namespace {

using Clock = std::chrono::steady_clock;

// Processor time of all threads of a process, in seconds, from the
// scheduler's nanosecond counters (the tick counts of /proc/PID/stat are too
// coarse for a program that is nearly idle).
double cpuSeconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    if (DIR *dir = opendir(tasks.c_str())) {
        while (const dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            unsigned long long onCpuNs = 0;
            if (stat >> onCpuNs)
                total += onCpuNs / 1e9;
        }
        closedir(dir);
    }
    return total;
}

long peakResident(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// One line from the game's standard output, without its line end; empty
// when the game has ended.
std::string readLine(int fd)
{
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The program as a shell word.
std::string quoted(const std::string &text)
{
    std::string word = "'";
    for (const char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

} // namespace

ProbeResult probe(const std::string &program, const std::string &scenario, double watchSeconds, Watch watch)
{
    ProbeResult result;
    int out[2];
    if (pipe(out) != 0) {
        result.error = "pipe failed";
        return result;
    }
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        result.error = "fork failed";
        return result;
    }
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program.c_str(), program.c_str(), scenario.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    const std::string line = readLine(out[0]);
    result.readyAfterMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (line.rfind("ready", 0) != 0) {
        result.error = "the program ended without saying it was ready";
        waitpid(pid, nullptr, 0);
        close(out[0]);
        return result;
    }
    result.readyCpuMs = std::atof(line.c_str() + 5) / 1000.0;
    if (watchSeconds > 0 && watch == Watch::PausesOnly) {
        // Add up the processor time of the pauses only, pause by pause.
        double paused = 0, used = 0, cpuAtStart = 0;
        Clock::time_point pauseStart;
        while (paused < watchSeconds) {
            const std::string event = readLine(out[0]);
            if (event.empty()) {
                result.error = "the game stopped reporting its pauses";
                break;
            }
            if (event == "pause on") {
                pauseStart = Clock::now();
                cpuAtStart = cpuSeconds(pid);
            } else if (event == "pause off") {
                used += cpuSeconds(pid) - cpuAtStart;
                paused += std::chrono::duration<double>(Clock::now() - pauseStart).count();
            }
        }
        result.cpuPercentOfCore = paused > 0 ? 100.0 * used / paused : 0;
    } else if (watchSeconds > 0) {
        const double before = cpuSeconds(pid);
        const auto watchStart = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(watchSeconds));
        const double used = cpuSeconds(pid) - before;
        const double elapsed = std::chrono::duration<double>(Clock::now() - watchStart).count();
        result.cpuPercentOfCore = 100.0 * used / elapsed;
    }
    result.peakResidentKb = peakResident(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    close(out[0]);
    result.ok = result.error.empty();
    return result;
}

NewGamesMemory measureNewGamesMemory(const std::string &program)
{
    NewGamesMemory memory;
    FILE *game = ::popen((quoted(program) + " new-games").c_str(), "r");
    if (!game)
        return memory;
    char line[256];
    while (std::fgets(line, sizeof line, game)) {
        int number = 0;
        long kb = 0;
        if (std::sscanf(line, "rss %d %ld", &number, &kb) != 2)
            continue;
        if (number == 1)
            memory.afterFirst = kb;
        if (number == 10)
            memory.afterTenth = kb;
    }
    memory.ok = ::pclose(game) == 0 && memory.afterFirst > 0 && memory.afterTenth > 0;
    return memory;
}

StartRatio measureStartRatio(const std::string &game, const std::string &bare, const std::string &bareMode, int pairs)
{
    StartRatio result;
    std::vector<double> ratios, gameCpu, bareCpu, gameWall, bareWall;
    for (int pair = 0; pair < pairs; ++pair) {
        ProbeResult g, b;
        if (pair % 2 == 0) {
            g = probe(game, "startup", 0);
            b = probe(bare, bareMode, 0);
        } else {
            b = probe(bare, bareMode, 0);
            g = probe(game, "startup", 0);
        }
        if (!g.ok || !b.ok || b.readyCpuMs <= 0) {
            result.error = !g.ok ? "game: " + g.error : "bare program: " + (b.ok ? "no processor time" : b.error);
            return result;
        }
        ratios.push_back(g.readyCpuMs / b.readyCpuMs);
        gameCpu.push_back(g.readyCpuMs);
        bareCpu.push_back(b.readyCpuMs);
        gameWall.push_back(g.readyAfterMs);
        bareWall.push_back(b.readyAfterMs);
    }
    result.ok = true;
    result.pairs = pairs;
    result.ratio = median(ratios);
    result.gameCpuMs = median(gameCpu);
    result.bareCpuMs = median(bareCpu);
    result.gameWallMs = median(gameWall);
    result.bareWallMs = median(bareWall);
    return result;
}

Opening measureOpening(const std::string &game, int runs)
{
    Opening opening;
    std::vector<double> setUpWall, setUpCpu, boardWall, boardCpu;
    for (int run = 0; run < runs; ++run) {
        FILE *out = ::popen((quoted(game) + " open-board").c_str(), "r");
        if (!out)
            return opening;
        char line[256];
        bool setUpSeen = false, boardSeen = false;
        while (std::fgets(line, sizeof line, out)) {
            long long wall = 0, cpu = 0;
            if (std::sscanf(line, "set-up %lld %lld", &wall, &cpu) == 2) {
                setUpWall.push_back(wall / 1000.0);
                setUpCpu.push_back(cpu / 1000.0);
                setUpSeen = true;
            } else if (std::sscanf(line, "board %lld %lld", &wall, &cpu) == 2) {
                boardWall.push_back(wall / 1000.0);
                boardCpu.push_back(cpu / 1000.0);
                boardSeen = true;
            }
        }
        if (::pclose(out) != 0 || !setUpSeen || !boardSeen)
            return opening;
    }
    opening.ok = true;
    opening.runs = runs;
    opening.setUpWallMs = median(setUpWall);
    opening.setUpCpuMs = median(setUpCpu);
    opening.boardWallMs = median(boardWall);
    opening.boardCpuMs = median(boardCpu);
    return opening;
}

} // namespace tycora::bench
