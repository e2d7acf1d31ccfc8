// Hostile input: every field of every screen filled with 100 000 characters of quotes,
// semicolons, comment marks and non-ASCII text. Nothing may be lost or altered on the way to
// the saved file, and the script view must stay usable.
#include "support/Harness.h"
#include "wizard/StepPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

class HostileTest : public QObject
{
    Q_OBJECT

private:
    static QString payload(const QString &field)
    {
        // Unique per field, so that each field can be found again in the script.
        const QString piece = QStringLiteral("\"q\";say x// \u00e9\u00df\u0416\u0436\U0001F600 ");
        QString text = field + QLatin1Char(':');
        while (text.size() < 100000)
            text += piece;
        text.truncate(100000);
        // Never cut the emoji's surrogate pair in half: that is no text at all.
        if (text.back().isHighSurrogate())
            text.back() = QLatin1Char('.');
        return text;
    }

    // Fills the screen's fields and checks all its boxes, so that every field is written.
    // Returns the texts the fields hold afterwards.
    static QStringList fill(QWidget *page)
    {
        QStringList values;
        for (QCheckBox *box : page->findChildren<QCheckBox *>())
            box->setChecked(true);
        for (QComboBox *combo : page->findChildren<QComboBox *>()) {
            combo->setEditText(payload(combo->objectName()));
            values << combo->currentText();
        }
        for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
            if (qobject_cast<QComboBox *>(edit->parentWidget()))
                continue;
            edit->setText(payload(edit->objectName()));
            values << edit->text();
        }
        return values;
    }

private slots:
    void everyFieldReachesTheFileIntact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hostile.cfg"));
        Harness h;
        h.click(QStringLiteral("tbNew"));
        QStringList values = fill(h.find<QWidget>(QStringLiteral("pnlStart")));
        h.chooseStyle(QStringLiteral("S1"));
        h.click(QStringLiteral("SpeedButton1"));
        for (int step = 1; step <= 9; ++step) {
            values += fill(h.window().stepPage(step));
            if (step == 2) {
                h.click(QStringLiteral("btnVsayAdd"));
                h.click(QStringLiteral("btnSayAdd"));
            }
            h.click(Harness::nextButton(step));
        }
        QVERIFY(values.size() > 60);
        const QString script = h.text();
        for (const QString &value : values) {
            // Key fields show capitals, and a capital may be longer (\u00df becomes SS).
            QVERIFY(value.size() >= 100000);
            // Found by its field's unique start, then compared whole.
            const qsizetype at = script.indexOf(value.left(40));
            QVERIFY2(at >= 0, qPrintable(value.left(20)));
            QVERIFY2(QStringView(script).mid(at, value.size()) == value,
                     qPrintable(value.left(20)));
        }

        h.fakes.dialogs.saveAnswers << path;
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), script.toUtf8());

        // The script view still takes the player's typing.
        QPlainTextEdit *editor = h.window().editor();
        editor->moveCursor(QTextCursor::Start);
        QTest::keyClicks(editor, QStringLiteral("ok"));
        QVERIFY(h.text().startsWith(QStringLiteral("ok\r\n")));
    }
};

TARVEX_TEST_MAIN(HostileTest)
#include "tst_hostile.moc"
