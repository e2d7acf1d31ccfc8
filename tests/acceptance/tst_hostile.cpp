// Hostile input: every field of every screen filled with 100 000 characters of quotes,
// semicolons, comment marks and non-ASCII text. Nothing may be lost on the way to the saved
// file beyond what the game cannot read (a '"' in a value or chat text, a ';' in a comment or
// chat text), every text ends up on one line in the form the game reads whole, and the script
// view must stay usable.
#include "support/Harness.h"
#include "wizard/StepPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>

namespace {

// Fields whose text is the key of a bind line, besides the Controls step's key fields.
const QSet<QString> keyFields
        = {"edVs",     "edS",     "edTurn",   "edGun",    "edSmoke",   "edRain",  "edCrosshair",
           "edRecord", "edGamma", "edGamma1", "edVolume", "edVolume1", "edJump2", "edCrouch2",
           "edKill",   "edWalk2", "edArt",    "edReady",  "edNready"};
// Fields whose text goes inside a binding's quotes, and those that become "//" comments.
const QSet<QString> chatFields = {"cbVsay", "edTexthere", "edKill1", "edTurnFps"};
const QSet<QString> commentFields = {"edCFG", "edName", "edCopyright", "edNotes"};

bool isKeyField(const QWidget *field)
{
    return keyFields.contains(field->objectName())
            || field->property("tarvexRole").toString() == QLatin1String("key");
}

// A field's text as the script holds it: keys quoted (they hold blanks) without the blanks
// around them, values quoted with '"' as '\'', chat texts with '"' as '\'' and ';' as ',',
// comments with ';' as ','.
QString written(const QString &field, const QString &text, bool key)
{
    QString out = text;
    if (key)
        return '"' + out.trimmed() + '"';
    if (commentFields.contains(field))
        return out.replace(';', ',');
    out.replace('"', '\'');
    if (chatFields.contains(field))
        return out.replace(';', ',');
    return '"' + out + '"';
}

} // namespace

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

    // Fills the screen's fields and checks all its boxes, so that every field is written. A key
    // field gets no '"', which no bind line can carry. Adds each field's text as the script
    // should hold it to `values`.
    static void fill(QWidget *page, QStringList &values)
    {
        for (QCheckBox *box : page->findChildren<QCheckBox *>())
            box->setChecked(true);
        for (QComboBox *combo : page->findChildren<QComboBox *>()) {
            combo->setEditText(payload(combo->objectName()));
            QVERIFY(combo->currentText().size() >= 100000);
            values << written(combo->objectName(), combo->currentText(), false);
        }
        for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
            if (qobject_cast<QComboBox *>(edit->parentWidget()))
                continue;
            const bool key = isKeyField(edit);
            QString text = payload(edit->objectName());
            if (key)
                text.remove(QLatin1Char('"'));
            edit->setText(text);
            // Key fields show capitals, and a capital may be longer (\u00df becomes SS).
            QVERIFY(edit->text().size() >= text.size());
            values << written(edit->objectName(), edit->text(), key);
        }
    }

private slots:
    void everyFieldReachesTheFileIntact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hostile.cfg"));
        Harness h;
        h.click(QStringLiteral("tbNew"));
        QStringList values;
        fill(h.find<QWidget>(QStringLiteral("pnlStart")), values);
        h.chooseStyle(QStringLiteral("S1"));
        h.click(QStringLiteral("SpeedButton1"));
        for (int step = 1; step <= 9; ++step) {
            fill(h.window().stepPage(step), values);
            if (step == 2) {
                h.click(QStringLiteral("btnVsayAdd"));
                h.click(QStringLiteral("btnSayAdd"));
            }
            h.click(Harness::nextButton(step));
        }
        QVERIFY(values.size() > 60);
        const QString script = h.text();
        const QStringList lines = h.lines();
        for (const QString &value : values) {
            // Found by its field's unique start, then compared whole, on one line of its own
            // kind: a value ends its line, a key or chat text sits inside a bind line.
            const QString start = value.left(40);
            const QStringList holding = lines.filter(start);
            QVERIFY2(holding.size() == 1, qPrintable(value.left(20)));
            const QString &line = holding.first();
            QVERIFY2(line.contains(value), qPrintable(value.left(20)));
            QVERIFY2(line.startsWith(QLatin1String("bind ")) || line.endsWith(value),
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
