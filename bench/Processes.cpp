#include "Processes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::string logPath(const std::string &logName)
{
    return "/tmp/tarvex_bench." + std::to_string(getpid()) + "." + logName + ".log";
}

const char *const logNames[] = {"run", "xvfb"};

// The descriptor on which Xvfb writes its display number once it accepts clients.
constexpr int displayFd = 9;

Child spawnWith(const std::string &program, const std::vector<std::string> &args,
                const std::string &logName, int extraFd)
{
    Child child;
    child.errorLog = logPath(logName);
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        fail("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Xvfb reports its display on its own descriptor; everything else on standard output.
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], extraFd >= 0 ? extraFd : STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, child.errorLog.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const int result
            = posix_spawnp(&child.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (result != 0)
        fail("cannot start " + program + ": " + std::strerror(result));
    child.out = pipeFds[0];
    return child;
}

} // namespace

void fail(const std::string &what)
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

// Appends what `fd` gives to `text` until `done(text)` holds or the pipe ends (true), or the
// deadline (monotonic nanoseconds) passes first (false).
static bool readUntil(int fd, long long deadline, std::string &text,
                      bool (*done)(const std::string &))
{
    while (!done(text)) {
        const long long left = (deadline - monotonicNs()) / 1000000LL;
        if (left <= 0)
            return false;
        pollfd ready {fd, POLLIN, 0};
        if (poll(&ready, 1, int(left)) <= 0)
            continue;
        char chunk[4096];
        const ssize_t size = read(fd, chunk, sizeof chunk);
        if (size <= 0)
            return true;
        text.append(chunk, size_t(size));
    }
    return true;
}

void sleepMs(long ms)
{
    timespec pause {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Child spawn(const std::string &program, const std::vector<std::string> &args,
            const std::string &logName)
{
    return spawnWith(program, args, logName, -1);
}

std::string readOutput(Child &child, int timeoutMs)
{
    std::string text;
    const long long deadline = monotonicNs() + timeoutMs * 1000000LL;
    if (!readUntil(child.out, deadline, text, [](const std::string &) { return false; }))
        kill(child.pid, SIGKILL);
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

void removeLogs()
{
    for (const char *name : logNames)
        std::remove(logPath(name).c_str());
}

VirtualDisplay::VirtualDisplay()
{
    m_server = spawnWith("Xvfb",
                         {"-displayfd", std::to_string(displayFd), "-screen", "0", "1280x1024x24",
                          "-nolisten", "tcp"},
                         "xvfb", displayFd);
    std::string number;
    const long long deadline = monotonicNs() + 20000LL * 1000000LL;
    readUntil(m_server.out, deadline, number,
              [](const std::string &text) { return text.find('\n') != std::string::npos; });
    if (number.find('\n') == std::string::npos) {
        kill(m_server.pid, SIGTERM);
        waitpid(m_server.pid, nullptr, 0);
        fail("Xvfb did not start:\n" + readFile(m_server.errorLog));
    }
    m_name = ":" + number.substr(0, number.find('\n'));
}

VirtualDisplay::~VirtualDisplay()
{
    close(m_server.out);
    kill(m_server.pid, SIGTERM);
    waitpid(m_server.pid, nullptr, 0);
}
