// Runs every measurement of the program in one go and prints one table (Markdown, so that it
// can go into the README as it is):
//   tarvex_bench [RUNS]     RUNS: runs per figure, at least 5 (default 11; idle runs: 5)
// It starts the programs built beside it under QT_QPA_PLATFORM=offscreen:
//   tarvex_bench_startup, tarvex_bench_baseline   start-up time and peak memory;
//   tarvex                                        processor time while idle, clock running;
//   tarvex_bench_ops                              wizard run, Find, Find Next, Save, the
//                                                 script check and typing, key presses in a
//                                                 key field.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Samples = std::vector<double>;

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "tarvex_bench: %s\n", what.c_str());
    std::exit(1);
}

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void sleepMs(long ms)
{
    timespec pause {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
}

std::string binDir()
{
    char path[4096];
    const ssize_t size = readlink("/proc/self/exe", path, sizeof path - 1);
    if (size <= 0)
        fail("cannot tell where the bench programs are");
    path[size] = '\0';
    std::string dir(path);
    return dir.substr(0, dir.rfind('/'));
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Child
{
    pid_t pid = -1;
    int out = -1; // the child's standard output
    std::string errorLog;
};

// Starts a program with its standard output on a pipe and its standard error in a log file.
Child spawn(const std::string &program, const std::vector<std::string> &args)
{
    Child child;
    child.errorLog = "/tmp/tarvex_bench." + std::to_string(getpid()) + ".log";
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        fail("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, child.errorLog.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const int result
            = posix_spawn(&child.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (result != 0)
        fail("cannot start " + program + ": " + std::strerror(result));
    child.out = pipeFds[0];
    return child;
}

// Everything the child writes until it closes its output, or until the time is up.
std::string readOutput(Child &child, int timeoutMs)
{
    std::string text;
    const long long deadline = monotonicNs() + timeoutMs * 1000000LL;
    for (;;) {
        const long long left = (deadline - monotonicNs()) / 1000000LL;
        if (left <= 0) {
            kill(child.pid, SIGKILL);
            break;
        }
        pollfd fd {child.out, POLLIN, 0};
        if (poll(&fd, 1, int(left)) <= 0)
            continue;
        char chunk[4096];
        const ssize_t size = read(child.out, chunk, sizeof chunk);
        if (size <= 0)
            break;
        text.append(chunk, size_t(size));
    }
    close(child.out);
    child.out = -1;
    return text;
}

rusage waitFor(const Child &child, const std::string &what)
{
    int status = 0;
    rusage usage {};
    if (wait4(child.pid, &status, 0, &usage) != child.pid)
        fail("lost " + what);
    const bool terminated = WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM;
    if (!terminated && (!WIFEXITED(status) || WEXITSTATUS(status) != 0))
        fail(what + " failed:\n" + readFile(child.errorLog));
    return usage;
}

struct StartUp
{
    double ms;
    double peakMiB;
};

// Process start until the window's first paint is on the screen, and the peak resident memory.
StartUp startUp(const std::string &program)
{
    const long long started = monotonicNs();
    Child child = spawn(program, {});
    const std::string output = readOutput(child, 30000);
    const rusage usage = waitFor(child, program);
    const size_t at = output.find("painted ");
    if (at == std::string::npos)
        fail(program + " never painted its window:\n" + readFile(child.errorLog));
    const long long painted = std::atoll(output.c_str() + at + 8);
    return {double(painted - started) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

// Processor time of all threads of a process so far, in nanoseconds.
long long processorNs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    long long total = 0;
    if (DIR *dir = opendir(tasks.c_str())) {
        while (dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream in(tasks + "/" + entry->d_name + "/schedstat");
            long long onCpu = 0;
            if (in >> onCpu)
                total += onCpu;
        }
        closedir(dir);
    }
    return total;
}

struct Idle
{
    double percent; // of one core
    double peakMiB; // over the program's whole run
};

// The share of one core the real program uses over 10 seconds after it has settled, and its
// peak resident memory over the whole run (its screens are all built by then).
Idle idleProcessor(const std::string &program)
{
    Child child = spawn(program, {});
    sleepMs(3000);
    const long long cpuBefore = processorNs(child.pid);
    const long long before = monotonicNs();
    sleepMs(10000);
    const long long cpuAfter = processorNs(child.pid);
    const long long after = monotonicNs();
    kill(child.pid, SIGTERM);
    const rusage usage = waitFor(child, program);
    close(child.out);
    if (cpuBefore <= 0)
        fail("cannot read the processor time of " + program);
    return {100.0 * double(cpuAfter - cpuBefore) / double(after - before),
            double(usage.ru_maxrss) / 1024.0};
}

struct Stats
{
    double median, min, max;
};

Stats stats(Samples samples)
{
    if (samples.empty())
        fail("a figure has no samples");
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

std::string format(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

struct Row
{
    std::string what;
    Samples samples;
    int decimals;
    std::string unit;
    // The median must stay at or below the limit (below it when strict); -1: no target.
    double limit;
    bool strict;
    std::string target;
};

std::string machine()
{
    std::string cpu = "unknown processor";
    std::istringstream info(readFile("/proc/cpuinfo"));
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("model name", 0) == 0) {
            cpu = line.substr(line.find(':') + 2);
            break;
        }
    }
    long long memoryKiB = 0;
    std::istringstream meminfo(readFile("/proc/meminfo"));
    for (std::string line; std::getline(meminfo, line);) {
        if (line.rfind("MemTotal:", 0) == 0)
            memoryKiB = std::atoll(line.c_str() + 9);
    }
    utsname system {};
    uname(&system);
    return std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores (" + cpu + "), "
            + format(double(memoryKiB) / 1024.0 / 1024.0, 1) + " GiB memory, Linux "
            + system.release;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 11;
    // Other work on the machine shows in every figure: say how busy it was.
    const std::string loadBefore = readFile("/proc/loadavg").substr(0, 4);
    const int idleRuns = 5;
    const std::string dir = binDir();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::fprintf(stderr, "start-up and memory: %d runs of each program...\n", runs);
    Samples tarvexMs, baselineMs, ratio, tarvexMiB, baselineMiB, extraMiB;
    startUp(dir + "/tarvex_bench_startup"); // warm the disk cache, not counted
    startUp(dir + "/tarvex_bench_baseline");
    for (int i = 0; i < runs; ++i) {
        // Taken in turns, so that anything else on the machine weighs on both alike.
        const StartUp tarvex = startUp(dir + "/tarvex_bench_startup");
        const StartUp baseline = startUp(dir + "/tarvex_bench_baseline");
        tarvexMs.push_back(tarvex.ms);
        baselineMs.push_back(baseline.ms);
        ratio.push_back(tarvex.ms / baseline.ms);
        baselineMiB.push_back(baseline.peakMiB);
    }

    std::fprintf(stderr, "idle processor time: %d runs of 10 s...\n", idleRuns);
    Samples idle;
    const double baselinePeak = stats(baselineMiB).median;
    for (int i = 0; i < idleRuns; ++i) {
        const Idle run = idleProcessor(dir + "/tarvex");
        idle.push_back(run.percent);
        tarvexMiB.push_back(run.peakMiB);
        extraMiB.push_back(run.peakMiB - baselinePeak);
    }

    std::fprintf(stderr,
                 "wizard run, Find, Find Next, Save, check, typing, key presses: %d runs...\n",
                 runs);
    Child ops = spawn(dir + "/tarvex_bench_ops", {std::to_string(runs)});
    const std::string opsOutput = readOutput(ops, 600000);
    waitFor(ops, "tarvex_bench_ops");
    std::map<std::string, Samples> opsSamples;
    std::istringstream opsLines(opsOutput);
    for (std::string name; opsLines >> name;) {
        double value = 0;
        opsLines >> value;
        opsSamples[name].push_back(value);
    }
    const int matches = int(stats(opsSamples["matches"]).median);
    const double scriptMiB = stats(opsSamples["script_bytes"]).median / 1024.0 / 1024.0;

    const std::vector<Row> rows = {
            {"Start-up to first paint, Tarvex", tarvexMs, 1, "ms", -1, false, ""},
            {"Start-up to first paint, baseline (empty QMainWindow)", baselineMs, 1, "ms", -1,
             false, ""},
            {"Start-up, Tarvex / baseline", ratio, 2, "x", 1.3, false, "<= 1.30 x"},
            {"Peak resident memory, Tarvex (whole idle run, every screen built)", tarvexMiB, 1,
             "MiB", -1, false, ""},
            {"Peak resident memory, baseline", baselineMiB, 1, "MiB", -1, false, ""},
            {"Peak resident memory, Tarvex - baseline", extraMiB, 1, "MiB", 20, false, "<= 20 MiB"},
            {"Idle processor time over 10 s, clock running", idle, 3, "% of a core", 0.2, true,
             "< 0.2 %"},
            {"Wizard run: New, Start..., 9 x Next, every option on", opsSamples["wizard_ms"], 2,
             "ms", 30, true, "< 30 ms"},
            {"Find (first match) in a " + format(scriptMiB, 2) + " MiB script",
             opsSamples["find_ms"], 2, "ms", 10, true, "< 10 ms"},
            {"Find Next, each press, mean over " + std::to_string(matches - 1) + " presses",
             opsSamples["findnext_mean_ms"], 2, "ms", 10, true, "< 10 ms"},
            {"Find Next, slowest press", opsSamples["findnext_max_ms"], 2, "ms", 10, true,
             "< 10 ms"},
            {"Find Next through all " + std::to_string(matches) + " matches, total",
             opsSamples["findnext_total_ms"], 1, "ms", -1, false, ""},
            {"Save of a " + format(scriptMiB, 2) + " MiB script", opsSamples["save_ms"], 2, "ms",
             20, true, "< 20 ms"},
            {"Script check: first full check of a " + format(scriptMiB, 2) + " MiB script",
             opsSamples["check_full_ms"], 2, "ms", 100, true, "< 100 ms"},
            {"Script check: colouring every line of a " + format(scriptMiB, 2) + " MiB script",
             opsSamples["colour_full_ms"], 1, "ms", -1, false, ""},
            {"Typing in a " + format(scriptMiB, 2)
                     + " MiB script (check + colours + repaint), "
                       "each key, mean over "
                     + std::to_string(int(stats(opsSamples["typing_keys"]).median)) + " keys",
             opsSamples["typing_mean_ms"], 2, "ms", 5, true, "< 5 ms"},
            {"Typing, slowest key", opsSamples["typing_max_ms"], 2, "ms", 5, true, "< 5 ms"},
            {"Key press in a key field, duplicate check against a " + format(scriptMiB, 2)
                     + " MiB script, mean over 40 presses",
             opsSamples["keypress_mean_ms"], 2, "ms", 5, true, "< 5 ms"},
            {"Key press in a key field, slowest press", opsSamples["keypress_max_ms"], 2, "ms", 5,
             true, "< 5 ms"},
    };

    char date[64];
    const time_t now = time(nullptr);
    strftime(date, sizeof date, "%Y-%m-%d %H:%M %Z", localtime(&now));
    std::printf("Tarvex benchmarks, %s\n", date);
    std::printf("Machine: %s\n", machine().c_str());
    std::printf("Load average (1 min) before and after: %s, %s\n", loadBefore.c_str(),
                readFile("/proc/loadavg").substr(0, 4).c_str());
    std::printf("Qt %s, Release build, QT_QPA_PLATFORM=offscreen; median of %d runs "
                "(idle: %d runs), min and max\n\n",
                TARVEX_QT_VERSION, runs, idleRuns);
    std::printf("| Measure | Median | Min | Max | Target | |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    int missed = 0;
    for (const Row &row : rows) {
        const Stats s = stats(row.samples);
        std::string mark;
        if (row.limit >= 0) {
            const bool met = row.strict ? s.median < row.limit : s.median <= row.limit;
            mark = met ? "pass" : "MISS";
            missed += met ? 0 : 1;
        }
        const std::string unit = " " + row.unit;
        std::printf("| %s | %s | %s | %s | %s | %s |\n", row.what.c_str(),
                    (format(s.median, row.decimals) + unit).c_str(),
                    (format(s.min, row.decimals) + unit).c_str(),
                    (format(s.max, row.decimals) + unit).c_str(), row.target.c_str(), mark.c_str());
    }
    std::printf("\n%d target(s) missed\n", missed);
    std::remove(("/tmp/tarvex_bench." + std::to_string(getpid()) + ".log").c_str());
    return 0;
}
