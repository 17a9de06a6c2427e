#include "bench/process_probe.h"

#include <chrono>
#include <csignal>
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

// User plus system time of a process, in seconds.
double cpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stoll(field);
        if (i == 15)
            stime = std::stoll(field);
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
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

} // namespace

ProbeResult probe(const std::string &program, const std::string &scenario, double watchSeconds)
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
        setenv("TYCORA_BENCHMARK", scenario.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char c = 0;
    std::string line;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    result.readyAfterMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (line.empty()) {
        result.error = "the game ended without saying it was ready";
        waitpid(pid, nullptr, 0);
        close(out[0]);
        return result;
    }
    if (watchSeconds > 0) {
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
    result.ok = true;
    return result;
}

} // namespace tycora::bench
