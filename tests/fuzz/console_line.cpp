// The console line reader on any text: every line of it, as each game version reads it.
#include "FuzzSupport.h"
#include "LineInvariants.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = Fuzz::text(data, size).split(lineEnd);
    for (const QString &line : lines) {
        for (const Game::Version version : Game::allVersions)
            Fuzz::checkRead(line, Game::readLine(line, version), version);
    }
    return 0;
}
