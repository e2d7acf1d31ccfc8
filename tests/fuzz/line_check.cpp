// The check of a line on any text: every line of it, for each game version, each line checked
// in the comment the line above left open (ET: Legacy's "/*").
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
            const Game::LineCheck check = Game::checkLine(line, version, inComment);
            Fuzz::checkChecked(line, check);
            inComment = check.openComment;
        }
    }
    return 0;
}
