// Runs every measurement of the program in one go and prints one table (Markdown, so that it
// can go into the README as it is):
//   tarvex_bench [--start-up] [RUNS]
//     RUNS: runs per figure, at least 5 (default 11; start-up: 3 x RUNS rounds per platform;
//     idle runs: 5); --start-up: the start-up figures only, for trying a change quickly
// It starts the programs built beside it:
//   tarvex_bench_startup, tarvex_bench_shaped, tarvex_bench_empty
//                     start-up time and peak memory at first paint, in rounds of one run of each,
//                     under QT_QPA_PLATFORM=offscreen and then on an Xvfb server of its own;
//   tarvex            processor time while idle, clock running, and peak memory (offscreen);
//   tarvex_bench_ops  wizard run, Find, Find Next, Save, the script check and typing, key
//                     presses in a key field, Read Settings (offscreen).
#include "Processes.h"
#include "Table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct StartUp
{
    double ms;
    double peakMiB;
};

// Process start until the window's first paint is on the screen, and the peak resident memory
// (the program ends right after that paint).
StartUp startUp(const std::string &program)
{
    // A moment's rest first, so that the X server has seen the last program off.
    sleepMs(20);
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

struct StartUpFigures
{
    Samples tarvexMs, shapedMs, emptyMs, perShaped, perEmpty;
    Samples tarvexMiB, shapedMiB, extraMiB, emptyMiB;
};

// Rounds of one start of each program, taken in turns so that anything else on the machine
// weighs on all three alike; the order flips every round so that none always follows another.
StartUpFigures startUps(const std::string &dir, int rounds)
{
    const std::string tarvex = dir + "/tarvex_bench_startup";
    const std::string shaped = dir + "/tarvex_bench_shaped";
    const std::string empty = dir + "/tarvex_bench_empty";
    for (const std::string &program : {tarvex, shaped, empty})
        startUp(program); // warms the disk cache and the font cache, not counted
    StartUpFigures f;
    for (int i = 0; i < rounds; ++i) {
        StartUp t {}, s {}, e {};
        if (i % 2 == 0) {
            e = startUp(empty);
            s = startUp(shaped);
            t = startUp(tarvex);
        } else {
            t = startUp(tarvex);
            s = startUp(shaped);
            e = startUp(empty);
        }
        f.tarvexMs.push_back(t.ms);
        f.shapedMs.push_back(s.ms);
        f.emptyMs.push_back(e.ms);
        f.perShaped.push_back(t.ms / s.ms);
        f.perEmpty.push_back(t.ms / e.ms);
        f.tarvexMiB.push_back(t.peakMiB);
        f.shapedMiB.push_back(s.peakMiB);
        f.extraMiB.push_back(t.peakMiB - s.peakMiB);
        f.emptyMiB.push_back(e.peakMiB);
    }
    return f;
}

void addStartUpRows(std::vector<Row> &rows, const StartUpFigures &f, const std::string &platform)
{
    const std::string on = " (" + platform + ")";
    rows.push_back({"Start-up to first paint, Tarvex" + on, f.tarvexMs, 1, "ms"});
    rows.push_back({"Start-up to first paint, same-shaped plain window" + on, f.shapedMs, 1, "ms"});
    rows.push_back({"Start-up to first paint, empty QMainWindow" + on, f.emptyMs, 1, "ms"});
    rows.push_back({"Start-up, Tarvex / same-shaped window" + on, f.perShaped, 2, "x", 1.10, false,
                    "<= 1.10 x"});
    rows.push_back({"Start-up, Tarvex / empty QMainWindow" + on, f.perEmpty, 2, "x"});
    rows.push_back({"Peak resident memory at first paint, Tarvex" + on, f.tarvexMiB, 1, "MiB"});
    rows.push_back({"Peak resident memory at first paint, same-shaped window" + on, f.shapedMiB, 1,
                    "MiB"});
    rows.push_back({"Peak resident memory at first paint, Tarvex - same-shaped window" + on,
                    f.extraMiB, 1, "MiB", 10, false, "<= 10 MiB"});
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
    if (cpuBefore <= 0)
        fail("cannot read the processor time of " + program);
    return {100.0 * double(cpuAfter - cpuBefore) / double(after - before),
            double(usage.ru_maxrss) / 1024.0};
}

std::string binDir()
{
    char path[4096];
    const ssize_t size = readlink("/proc/self/exe", path, sizeof path - 1);
    if (size <= 0)
        fail("cannot tell where the bench programs are");
    const std::string exe(path, size_t(size));
    return exe.substr(0, exe.rfind('/'));
}

std::string loadAverage()
{
    return readFile("/proc/loadavg").substr(0, 4);
}

// Prints the heading (date, machine, load, what was run) and the table.
int report(const std::vector<Row> &rows, const std::string &loadBefore, const std::string &note,
           int rounds, int runs, int idleRuns)
{
    char date[64];
    const time_t now = time(nullptr);
    strftime(date, sizeof date, "%Y-%m-%d %H:%M %Z", localtime(&now));
    std::printf("Tarvex benchmarks, %s%s\n", date, note.empty() ? "" : (", " + note).c_str());
    std::printf("Machine: %s\n", machine().c_str());
    std::printf("Load average (1 min) before and after: %s, %s\n", loadBefore.c_str(),
                loadAverage().c_str());
    std::printf("Qt %s, Release build; start-up: median of %d rounds per platform, ratios per "
                "round; other figures: QT_QPA_PLATFORM=offscreen, median of %d runs (idle: %d "
                "runs); min and max\n\n",
                TARVEX_QT_VERSION, rounds, runs, idleRuns);
    const int missed = printTable(rows);
    std::printf("\n%d target(s) missed\n", missed);
    removeLogs();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool startUpOnly = argc > 1 && std::string(argv[1]) == "--start-up";
    const int runArg = startUpOnly ? 2 : 1;
    const int runs = argc > runArg ? std::max(5, std::atoi(argv[runArg])) : 11;
    const int rounds = 3 * runs;
    const int idleRuns = 5;
    // Other work on the machine shows in every figure: say how busy it was.
    const std::string loadBefore = loadAverage();
    const std::string dir = binDir();
    std::vector<Row> rows;

    std::fprintf(stderr, "start-up, offscreen: %d rounds of three programs...\n", rounds);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const StartUpFigures offscreen = startUps(dir, rounds);
    addStartUpRows(rows, offscreen, "offscreen");

    std::fprintf(stderr, "start-up, Xvfb: %d rounds of three programs...\n", rounds);
    {
        const VirtualDisplay display;
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("DISPLAY", display.name().c_str(), 1);
        addStartUpRows(rows, startUps(dir, rounds), "Xvfb");
        unsetenv("DISPLAY");
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (startUpOnly)
        return report(rows, loadBefore, "start-up only", rounds, runs, 0);

    std::fprintf(stderr, "idle processor time: %d runs of 10 s...\n", idleRuns);
    Samples idle, tarvexMiB, extraMiB;
    const double emptyPeak = stats(offscreen.emptyMiB).median;
    for (int i = 0; i < idleRuns; ++i) {
        const Idle run = idleProcessor(dir + "/tarvex");
        idle.push_back(run.percent);
        tarvexMiB.push_back(run.peakMiB);
        extraMiB.push_back(run.peakMiB - emptyPeak);
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
    const std::string script = format(stats(opsSamples["script_bytes"]).median / 1048576.0, 2);

    rows.push_back({"Peak resident memory, Tarvex (whole idle run, every screen built)", tarvexMiB,
                    1, "MiB"});
    rows.push_back(
            {"Peak resident memory, empty QMainWindow (offscreen)", offscreen.emptyMiB, 1, "MiB"});
    rows.push_back({"Peak resident memory, Tarvex whole idle run - empty QMainWindow", extraMiB, 1,
                    "MiB", 20, false, "<= 20 MiB"});
    rows.push_back({"Idle processor time over 10 s, clock running", idle, 3, "% of a core", 0.2,
                    true, "< 0.2 %"});
    rows.push_back({"Wizard run: New, Start..., 9 x Next, every option on", opsSamples["wizard_ms"],
                    2, "ms", 30, true, "< 30 ms"});
    rows.push_back({"Find (first match) in a " + script + " MiB script", opsSamples["find_ms"], 2,
                    "ms", 10, true, "< 10 ms"});
    rows.push_back({"Find Next, each press, mean over " + std::to_string(matches - 1) + " presses",
                    opsSamples["findnext_mean_ms"], 2, "ms", 10, true, "< 10 ms"});
    rows.push_back({"Find Next, slowest press", opsSamples["findnext_max_ms"], 2, "ms", 10, true,
                    "< 10 ms"});
    rows.push_back({"Find Next through all " + std::to_string(matches) + " matches, total",
                    opsSamples["findnext_total_ms"], 1, "ms"});
    rows.push_back({"Recovery file of a " + script + " MiB script, at a pause in typing",
                    opsSamples["recovery_ms"], 2, "ms", 5, true, "< 5 ms"});
    rows.push_back({"Save of a " + script + " MiB script", opsSamples["save_ms"], 2, "ms", 20, true,
                    "< 20 ms"});
    rows.push_back({"Script check: first full check of a " + script + " MiB script",
                    opsSamples["check_full_ms"], 2, "ms", 100, true, "< 100 ms"});
    rows.push_back({"Script check: colouring every line of a " + script + " MiB script",
                    opsSamples["colour_full_ms"], 1, "ms"});
    rows.push_back({"Typing in a " + script
                            + " MiB script (check + colours + repaint), each key, mean over "
                            + std::to_string(int(stats(opsSamples["typing_keys"]).median))
                            + " keys",
                    opsSamples["typing_mean_ms"], 2, "ms", 5, true, "< 5 ms"});
    rows.push_back(
            {"Typing, slowest key", opsSamples["typing_max_ms"], 2, "ms", 5, true, "< 5 ms"});
    rows.push_back({"Keyboard map: redraw after a key press in a " + script
                            + " MiB script, mean over 40 keys",
                    opsSamples["keymap_mean_ms"], 2, "ms", 5, true, "< 5 ms"});
    rows.push_back({"Keyboard map: slowest redraw", opsSamples["keymap_max_ms"], 2, "ms", 5, true,
                    "< 5 ms"});
    rows.push_back({"Key press in a key field, duplicate check against a " + script
                            + " MiB script, mean over 40 presses",
                    opsSamples["keypress_mean_ms"], 2, "ms", 5, true, "< 5 ms"});
    rows.push_back({"Key press in a key field, slowest press", opsSamples["keypress_max_ms"], 2,
                    "ms", 5, true, "< 5 ms"});
    rows.push_back({"Read Settings: a 2 000-line etconfig.cfg into every row",
                    opsSamples["read_settings_ms"], 2, "ms", 50, true, "< 50 ms"});

    rows.push_back({"Check of one 1 MiB line of //;x repeated (ET 2.60b)",
                    opsSamples["long_line_ms"], 1, "ms"});
    rows.push_back({"Check of that line / of a 256 KiB one (4 when linear)",
                    opsSamples["long_line_growth"], 2, "x", 6, true, "< 6"});
    rows.push_back({"Check of one 1 MiB line of ; with an http:// amid them (ET: Legacy)",
                    opsSamples["long_address_line_ms"], 1, "ms"});
    rows.push_back({"Check of that line / of a 256 KiB one (4 when linear)",
                    opsSamples["long_address_line_growth"], 2, "x", 6, true, "< 6"});
    return report(rows, loadBefore, "", rounds, runs, idleRuns);
}
