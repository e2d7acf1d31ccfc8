// The choices kept between runs: what each is before the player made it, and that a choice made
// by an earlier version of the program, under the same name, still reads.
#include "platform/Settings.h"
#include "support/Harness.h"

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Settings().clear(); }

    void defaultsBeforeAnyChoice()
    {
        const Settings settings;
        QCOMPARE(settings.value(Setting::gameVersion), QStringLiteral("et260b"));
        QCOMPARE(settings.value(Setting::recentScripts), QStringList());
        QCOMPARE(settings.value(Setting::lastFolder), QString());
    }

    void choicesStoredEarlierStillRead()
    {
        {
            QSettings earlier(QStringLiteral("Tarvex"), QStringLiteral("tarvex"));
            earlier.setValue(QStringLiteral("check/gameVersion"), QStringLiteral("legacy"));
            earlier.setValue(QStringLiteral("files/recentScripts"),
                             QStringList {QStringLiteral("/a/b.cfg"), QStringLiteral("/c.cfg")});
            earlier.setValue(QStringLiteral("files/lastFolder"), QStringLiteral("/a"));
        }
        Settings settings;
        QCOMPARE(settings.value(Setting::gameVersion), QStringLiteral("legacy"));
        QCOMPARE(settings.value(Setting::recentScripts),
                 (QStringList {QStringLiteral("/a/b.cfg"), QStringLiteral("/c.cfg")}));
        QCOMPARE(settings.value(Setting::lastFolder), QStringLiteral("/a"));

        settings.setValue(Setting::lastFolder, QStringLiteral("/d"));
        QCOMPARE(Settings().value(Setting::lastFolder), QStringLiteral("/d"));
        Settings().clear();
        QCOMPARE(Settings().value(Setting::gameVersion), QStringLiteral("et260b"));
    }
};

TARVEX_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
