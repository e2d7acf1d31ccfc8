#include "Table.h"

#include "Processes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <sys/utsname.h>
#include <unistd.h>

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

int printTable(const std::vector<Row> &rows)
{
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
    return missed;
}

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
