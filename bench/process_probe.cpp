#include "bench/process_probe.h"

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
    if (line.empty()) {
        result.error = "the game ended without saying it was ready";
        waitpid(pid, nullptr, 0);
        close(out[0]);
        return result;
    }
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
    std::string quoted = "'";
    for (const char c : program)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "' new-games";
    FILE *game = ::popen(quoted.c_str(), "r");
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

} // namespace tycora::bench
