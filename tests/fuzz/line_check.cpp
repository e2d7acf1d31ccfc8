// The check of a line on any text: every line of it, for each game version.
#include "FuzzSupport.h"
#include "LineInvariants.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = Fuzz::text(data, size).split(lineEnd);
    for (const QString &line : lines) {
        for (const Game::Version version : Game::allVersions)
            Fuzz::checkChecked(line, Game::checkLine(line, version));
    }
    return 0;
}
