// The script view's tools: printing, the clipboard commands and Undo.
#include "support/Harness.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

// A say long enough to wrap over several rows of the script view.
const QString longSay = QStringLiteral("gg ").repeated(150).trimmed();

// Print Setup, answered with a PDF file as the printer.
void printIntoPdf(Harness &h, const QString &pdf)
{
    h.fakes.dialogs.onPrinterSetup = [pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
}

} // namespace

class EditorToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void printsEveryRowInOrder()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("script.pdf"));
        Harness h;
        printIntoPdf(h, pdf);
        h.startRun();
        h.nextUntil(2);
        h.find<QLineEdit>(QStringLiteral("edTexthere"))->setText(longSay);
        h.click(QStringLiteral("btnSayAdd"));
        h.nextUntil(10, 2);
        h.trigger(QStringLiteral("PrintSetup1"));
        h.trigger(QStringLiteral("Print1"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);

        const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Printing cfg"))),
                 qPrintable(info));
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                  .match(info)
                                  .captured(1)
                                  .toInt();
        QVERIFY(pages >= 3);

        // Every line of the script, in order; a wrapped line prints as several rows.
        // The printer's font may join letters into ligatures: take them apart again.
        QStringList printed;
        const QString text
                = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}))
                          .normalized(QString::NormalizationForm_KC);
        for (QString row : text.split(QLatin1Char('\n'))) {
            row.remove(QRegularExpression(QStringLiteral("\\s")));
            if (!row.isEmpty())
                printed << row;
        }
        int next = 0;
        for (QString line : h.lines()) {
            line.remove(QRegularExpression(QStringLiteral("\\s")));
            QString joined;
            while (joined.size() < line.size() && next < printed.size())
                joined += printed.at(next++);
            QCOMPARE(joined, line);
        }
        QCOMPARE(next, printed.size());
        // The long say went onto paper as the rows it wraps into on screen.
        QVERIFY(!printed.filter(QRegularExpression(QStringLiteral("^(gg)+\"?$"))).isEmpty());
    }

    void rowsEvenlySpacedFromTheTopOfEachPage()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("rows.pdf"));
        Harness h;
        printIntoPdf(h, pdf);
        h.startRun();
        h.nextUntil(10);
        QStringList rows;
        for (int k = 1; k <= 150; ++k)
            rows << QStringLiteral("r%1").arg(k);
        // The empty first row, 150 rows, and an empty last row that is not printed.
        h.window().editor()->setPlainText(QLatin1Char('\n') + rows.join(QLatin1Char('\n'))
                                          + QLatin1Char('\n'));
        h.trigger(QStringLiteral("PrintSetup1"));
        h.trigger(QStringLiteral("Print1"));

        // Each page's words with the top of their box, in points.
        const QString boxes
                = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
        QList<QList<QPair<double, QString>>> pages;
        const QRegularExpression item(
                QStringLiteral("<page |<word [^>]*yMin=\"([0-9.]+)\"[^>]*>([^<]*)<"));
        for (auto it = item.globalMatch(boxes); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            if (match.captured(1).isEmpty())
                pages.append(QList<QPair<double, QString>>());
            else if (!pages.isEmpty())
                pages.last().append({match.captured(1).toDouble(), match.captured(2)});
        }
        QVERIFY(pages.size() >= 2);
        const double h1 = pages[0][1].first - pages[0][0].first;
        QVERIFY(h1 > 0);
        int k = 0;
        for (int p = 0; p < pages.size(); ++p) {
            // Page one starts with the empty row: its first word lies one row down.
            const double top = pages[0][0].first - h1;
            for (int i = 0; i < pages[p].size(); ++i) {
                QCOMPARE(pages[p][i].second, rows.at(k++));
                QVERIFY(qAbs(pages[p][i].first - (top + (i + (p == 0 ? 1 : 0)) * h1)) < 0.01);
            }
            if (p + 1 < pages.size())
                QCOMPARE(pages[p].size() + (p == 0 ? 1 : 0), pages[0].size() + 1);
        }
        QCOMPARE(k, rows.size());
    }

    void noPrinter()
    {
        QTemporaryDir dir;
        Harness h;
        h.fakes.dialogs.onPrinterSetup = [](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(QStringLiteral("No such printer"));
            return true;
        };
        h.startRun();
        h.nextUntil(10);
        h.trigger(QStringLiteral("PrintSetup1"));
        QCOMPARE(h.fakes.dialogs.printerSetupCount, 1);
        h.trigger(QStringLiteral("Print1"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QVERIFY(h.fakes.dialogs.lastError().contains(QStringLiteral("no printer")));
    }

    void editMenuActsOnTheScriptView()
    {
        Harness h;
        h.startRun();
        h.nextUntil(10);
        const QString script = h.text();
        // The wizard's lines are not the player's to undo.
        h.trigger(QStringLiteral("Undo1"));
        QCOMPARE(h.text(), script);

        // A later run: a wizard field has the focus, the script view lies beneath.
        h.click(QStringLiteral("tbSave"));
        h.click(QStringLiteral("tbNew"));
        auto *field = h.find<QLineEdit>(QStringLiteral("edCFG"));
        field->setFocus();
        QCOMPARE(h.window().focusWidget(), field);
        const QString fieldText = field->text();

        QPlainTextEdit *editor = h.window().editor();
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        const QString selected = script.mid(2, 2); // after the first line's CR LF
        h.trigger(QStringLiteral("Copy1"));
        QCOMPARE(QApplication::clipboard()->text(), selected);
        h.trigger(QStringLiteral("Cut1"));
        QCOMPARE(h.text(), script.left(2) + script.mid(4));
        editor->moveCursor(QTextCursor::Start);
        h.trigger(QStringLiteral("Paste1"));
        QCOMPARE(h.text(), selected + script.left(2) + script.mid(4));
        QCOMPARE(field->text(), fieldText);
        QCOMPARE(h.window().focusWidget(), field);

        // One level: Undo takes the paste back, a second Undo undoes that Undo.
        h.trigger(QStringLiteral("Undo1"));
        QCOMPARE(h.text(), script.left(2) + script.mid(4));
        h.trigger(QStringLiteral("Undo1"));
        QCOMPARE(h.text(), selected + script.left(2) + script.mid(4));
    }
};

TARVEX_TEST_MAIN(EditorToolsTest)
#include "tst_editortools.moc"
