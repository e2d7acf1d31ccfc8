#include "LongLine.h"

#include "game/LineCheck.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace LongLine {

double checkMs(Kind kind, int bytes)
{
    const bool comments = kind == Kind::CommentSemicolons;
    const int half = bytes / 2;
    const QString line = comments ? QStringLiteral("//;x").repeated(bytes / 4)
                                  : QString(half, QLatin1Char(';')) + QStringLiteral("http://")
                    + QString(half, QLatin1Char(';'));
    const Game::Version version = comments ? Game::Version::Et260b : Game::Version::Legacy;
    // In ET 2.60b each ';' after a comment's start runs the "x" after it, which is no command:
    // two problems each. In ET: Legacy the last command is one long word, which is no command
    // and is cut off after 1023 bytes.
    const int problems = comments ? bytes / 4 * 2 : half + 2;
    double best = -1;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Game::LineCheck check = Game::checkLine(line, version);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (check.problems.size() != problems) {
            std::fprintf(stderr, "tarvex_bench_ops: the long line's check missed problems\n");
            std::exit(1);
        }
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

} // namespace LongLine
