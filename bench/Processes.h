#pragma once

// Starting and watching the measured programs, plain POSIX without Qt so that the driver adds
// nothing to what it measures.
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/types.h>

[[noreturn]] void fail(const std::string &what);
long long monotonicNs();
void sleepMs(long ms);
std::string readFile(const std::string &path);

struct Child
{
    pid_t pid = -1;
    int out = -1; // the child's standard output
    std::string errorLog; // the child's standard error
};

// Starts a program with its standard output on a pipe and its standard error in a log file
// named after `logName`.
Child spawn(const std::string &program, const std::vector<std::string> &args,
            const std::string &logName = "run");
// Everything the child writes until it closes its output, or until the time is up (then the
// child is killed).
std::string readOutput(Child &child, int timeoutMs);
// Waits for the child's end; a failure (other than the SIGTERM the driver sends) ends the
// driver with the child's error log.
rusage waitFor(const Child &child, const std::string &what);
// Processor time of all threads of a process so far, in nanoseconds.
long long processorNs(pid_t pid);
// Removes the error logs of this driver's children.
void removeLogs();

// An X server of its own, without a screen or a network: Xvfb on the first free display.
class VirtualDisplay
{
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    // ":NN", for DISPLAY.
    const std::string &name() const { return m_name; }

private:
    Child m_server;
    std::string m_name;
};
