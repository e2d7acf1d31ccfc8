#include "app/CommandLine.h"

#include "editor/ScriptCheck.h"
#include "platform/Messages.h"
#include "wizard/ScriptFile.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Writes configuration scripts for Wolfenstein: Enemy Territory; with "
                           "--check, checks scripts as the game will read them."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Check each FILE and print its problems, one "
                                                  "line each, without opening a window."));
    const QCommandLineOption game(QStringLiteral("game"),
                                  QStringLiteral("The game version to check for: 2.60b or etl "
                                                 "(default: the one chosen last in the program)."),
                                  QStringLiteral("version"));
    parser.addOptions({check, game});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A script to open (or, with --check, to check)."),
                                 QStringLiteral("[FILE...]"));

    CommandLine line;
    auto finish = [&line](int code, const QString &text, bool error) {
        line.exitCode = code;
        line.output = text;
        line.outputIsError = error;
        return line;
    };
    if (!parser.parse(arguments))
        return finish(2, QStringLiteral("tarvex: %1\n").arg(parser.errorText()), true);
    if (parser.isSet(help))
        return finish(0,
                      parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("tarvex")),
                      false);
    if (parser.isSet(version))
        return finish(0, applicationTitle + QLatin1Char('\n'), false);
    line.check = parser.isSet(check);
    line.files = parser.positionalArguments();
    if (parser.isSet(game)) {
        const QString chosen = parser.value(game).toLower();
        if (chosen == QLatin1String("2.60b") || chosen == QLatin1String("et"))
            line.version = Game::Version::Et260b;
        else if (chosen == QLatin1String("etl") || chosen == QLatin1String("legacy"))
            line.version = Game::Version::Legacy;
        else
            return finish(2,
                          QStringLiteral("tarvex: unknown game version \"%1\"; use 2.60b or etl\n")
                                  .arg(parser.value(game)),
                          true);
    }
    if (line.check && line.files.isEmpty())
        return finish(2, QStringLiteral("tarvex: --check needs at least one file\n"), true);
    return line;
}

int checkFiles(const QStringList &files, Game::Version version, FILE *out, FILE *err)
{
    int problems = 0;
    int withProblems = 0;
    int checked = 0;
    bool unreadable = false;
    for (const QString &file : files) {
        const ScriptFileContents contents = readScriptFile(file);
        if (!contents.failure.isEmpty()) {
            print(err, QStringLiteral("%1: %2\n").arg(file, contents.failure));
            unreadable = true;
            continue;
        }
        ++checked;
        const auto entries
                = ScriptCheck::problemsOf(contents.lines.join(QLatin1Char('\n')), version);
        for (const ScriptCheck::Entry &entry : entries)
            print(out,
                  QStringLiteral("%1:%2: %3\n")
                          .arg(file)
                          .arg(entry.line + 1)
                          .arg(entry.problem.message));
        problems += int(entries.size());
        withProblems += entries.isEmpty() ? 0 : 1;
    }
    std::fflush(out);
    print(err,
          QStringLiteral("%1 in %2\n")
                  .arg(counted(problems, "problem", "problems"),
                       counted(checked, "file", "files")));
    return unreadable ? 2 : withProblems > 0 ? 1 : 0;
}
