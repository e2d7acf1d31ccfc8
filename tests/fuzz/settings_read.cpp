// Reading a player's settings file, on any text, in each game version: what it leaves set,
// written again after the commands the game refuses, is read back to the very same, and those
// commands are refused again. Every exec runs the same text, so chains and circles are walked.
#include "FuzzSupport.h"

#include "game/ScriptRun.h"

#include <QRegularExpression>

namespace {

// What the game holds: keys and names as it compares them, with their values.
QStringList held(const Game::ScriptRun &run)
{
    QStringList out;
    for (const Game::LeftSet &entry : run.leftSet()) {
        out << (entry.kind == Game::LeftSet::Kind::Binding
                        ? QStringLiteral("bind ") + Game::bindingKey(entry.name)
                        : Game::foldName(entry.name))
                        + QStringLiteral(" = ") + entry.value;
    }
    out.sort();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = Fuzz::text(data, size).split(lineEnd);
    for (const Game::Version version : Game::allVersions) {
        Game::ScriptRun first(version, [&lines](const QString &name, const QString &) {
            return Game::ExecFile {QStringLiteral("/fuzz/") + name, lines, QString()};
        });
        first.run(lines, QStringLiteral("/fuzz/etconfig.cfg"));
        FUZZ_CHECK(first.rejectedLines() <= first.rejected().size(), lines.join('\n'));

        const QStringList again = first.rejected() + Game::setAgainLines(first.leftSet(), version);
        Game::ScriptRun second(version);
        second.run(again, QStringLiteral("/fuzz/again.cfg"));
        FUZZ_CHECK(second.rejectedLines() == first.rejected().size(), again.join('\n'));
        FUZZ_CHECK(held(second) == held(first), again.join('\n'));
    }
    return 0;
}
