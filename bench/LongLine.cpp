#include "LongLine.h"

#include "game/LineCheck.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace LongLine {

double checkMs(int bytes)
{
    const QString line = QStringLiteral("//;").repeated(bytes / 3);
    double best = -1;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Game::LineCheck check = Game::checkLine(line, Game::Version::Et260b);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        // Every ';' of the line ends a comment and starts a command that runs.
        if (check.problems.size() != bytes / 3) {
            std::fprintf(stderr, "tarvex_bench_ops: the long line's check missed problems\n");
            std::exit(1);
        }
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

} // namespace LongLine
