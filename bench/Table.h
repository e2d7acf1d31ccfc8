#pragma once

// The figures of a bench run and the Markdown table they are printed in.
#include <string>
#include <vector>

using Samples = std::vector<double>;

struct Stats
{
    double median, min, max;
};

Stats stats(Samples samples);
std::string format(double value, int decimals);

struct Row
{
    std::string what;
    Samples samples;
    int decimals;
    std::string unit;
    // The median must stay at or below the limit (below it when strict); -1: no target.
    double limit = -1;
    bool strict = false;
    std::string target = {};
};

// Prints the rows as a Markdown table; returns the number of targets missed.
int printTable(const std::vector<Row> &rows);

// The processor, memory and kernel of this machine, in one line.
std::string machine();
