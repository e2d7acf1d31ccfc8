// The console line reader on any text: every line of it, as each game version reads it, each
// line read in the comment the line above left open (ET: Legacy's "/*").
#include "FuzzSupport.h"
#include "LineInvariants.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = Fuzz::text(data, size).split(lineEnd);
    for (const Game::Version version : Game::allVersions) {
        bool inComment = false;
        for (const QString &line : lines) {
            const Game::ConsoleLine read = Game::readLine(line, version, inComment);
            Fuzz::checkRead(line, read, version);
            inComment = read.openComment;
        }
    }
    return 0;
}
