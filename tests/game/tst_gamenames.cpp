// The game's name tables as the program reads them, and the key names that key presses and
// mouse buttons give.
#include "game/GameData.h"
#include "game/KeyNames.h"

#include <QTest>

using namespace Game;

class TestGameNames : public QObject
{
    Q_OBJECT
private slots:
    void tablesRead();
    void settings_data();
    void settings();
    void commands();
    void keys_data();
    void keys();
    void otherNames();
    void keyPresses_data();
    void keyPresses();
    void mouse();
};

void TestGameNames::tablesRead()
{
    QCOMPARE(tableProblems(), QStringList());
}

void TestGameNames::settings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("et260b"); // its flags there, "-" when missing
    QTest::addColumn<QString>("legacy");

    QTest::newRow("both") << "cg_fov"
                          << "an"
                          << "an";
    QTest::newRow("case") << "CG_Fov"
                          << "an"
                          << "an";
    QTest::newRow("spelt differently") << "CG_MARKTIME"
                                       << "an"
                                       << "an";
    QTest::newRow("latched") << "s_channels"
                             << "aln"
                             << "aln";
    QTest::newRow("read-only") << "sv_cheats"
                               << "ryn"
                               << "ryn";
    QTest::newRow("menus only") << "cg_drawBuddies"
                                << "anz"
                                << "-";
    QTest::newRow("no effect") << "ui_menuFiles"
                               << "ae"
                               << "ae";
    QTest::newRow("registered by both since the table's fix") << "r_wolffog"
                                                              << "cn"
                                                              << "cn";
    QTest::newRow("not in 2.60b") << "g_allowVote"
                                  << "-"
                                  << "-";
    QTest::newRow("dropped by Legacy") << "r_stereo"
                                       << "alxn"
                                       << "-";
    QTest::newRow("Legacy only") << "auth_server"
                                 << "-"
                                 << "i";
    QTest::newRow("unknown") << "cg_nosuch"
                             << "-"
                             << "-";
    QTest::newRow("not an ASCII K") << "cg_mar\u212aTime"
                                    << "-"
                                    << "-";
}

void TestGameNames::settings()
{
    QFETCH(QString, name);
    QFETCH(QString, et260b);
    QFETCH(QString, legacy);

    static const char letters[] = "alricusyxnze";
    const SettingInfo *setting = findSetting(name);
    const QString expected[] = {et260b, legacy};
    for (const Version version : allVersions) {
        QString flags = QStringLiteral("-");
        if (setting && setting->in(version)) {
            flags.clear();
            for (int bit = 0; letters[bit]; ++bit) {
                if (setting->flags(version).testFlag(SettingFlag(1 << bit)))
                    flags += QLatin1Char(letters[bit]);
            }
        }
        QCOMPARE(flags, expected[int(version)]);
    }
}

void TestGameNames::commands()
{
    const CommandInfo *kill = findCommand(u"KILL");
    QVERIFY(kill);
    QCOMPARE(kill->places(Version::Et260b), Places(Place::Server));
    QCOMPARE(kill->places(Version::Legacy), Place::Server | Place::ClientGame);

    const CommandInfo *say = findCommand(u"say");
    QVERIFY(say && say->in(Version::Et260b));
    QCOMPARE(say->places(Version::Legacy), Place::Engine | Place::Server);

    const CommandInfo *kick = findCommand(u"kick");
    QVERIFY(kick);
    QCOMPARE(kick->places(Version::Et260b), Places(Place::Engine));
    QCOMPARE(kick->places(Version::Legacy), Places(Place::Server));

    QVERIFY(findCommand(u"vstr") && findCommand(u"vstr")->in(Version::Legacy));
    QVERIFY(!findCommand(u"cg_fov"));
    QVERIFY(!findCommand(u"vstr x"));
}

void TestGameNames::keys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("et260b");
    QTest::addColumn<bool>("legacy");
    QTest::addColumn<QString>("canonical");

    QTest::newRow("name") << "MOUSE1" << true << true << "MOUSE1";
    QTest::newRow("any case") << "kp_Ins" << true << true << "KP_INS";
    QTest::newRow("Legacy only") << "RightAlt" << false << true << "RIGHTALT";
    QTest::newRow("letter") << "a" << true << true << "A";
    QTest::newRow("sign") << "[" << true << true << "[";
    QTest::newRow("semicolon") << ";" << false << false << "SEMICOLON";
    QTest::newRow("semicolon by name") << "semicolon" << true << true << "SEMICOLON";
    QTest::newRow("quote") << "\"" << false << false << "\"";
    QTest::newRow("space") << " " << true << true << "SPACE";
    QTest::newRow("non-ASCII") << "\u00e9" << false << false << "\u00e9";
    QTest::newRow("unknown") << "MOUSE9" << false << false << "MOUSE9";
    QTest::newRow("empty") << "" << false << false << "";
}

void TestGameNames::keys()
{
    QFETCH(QString, name);
    QFETCH(bool, et260b);
    QFETCH(bool, legacy);
    QFETCH(QString, canonical);

    QCOMPARE(isKey(name, Version::Et260b), et260b);
    QCOMPARE(isKey(name, Version::Legacy), legacy);
    QCOMPARE(canonicalKey(name), canonical);
}

void TestGameNames::otherNames()
{
    QVERIFY(isVsay(u"GreatShot"));
    QVERIFY(isVsay(u"fthealsquad"));
    QVERIFY(!isVsay(u"greatshots"));
    QVERIFY(isCrosshairColour(u"DkGreen"));
    QVERIFY(!isCrosshairColour(u"purple"));
    QCOMPARE(displayName(Version::Et260b), QStringLiteral("ET 2.60b"));
    QCOMPARE(displayName(Version::Legacy), QStringLiteral("ET: Legacy"));
}

void TestGameNames::keyPresses_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("name");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const struct
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char *name;
    } presses[] = {
            {Qt::Key_F1, none, "F1"},
            {Qt::Key_F12, Qt::ControlModifier, "F12"},
            {Qt::Key_Up, none, "UPARROW"},
            {Qt::Key_Right, none, "RIGHTARROW"},
            {Qt::Key_Insert, none, "INS"},
            {Qt::Key_Home, none, "HOME"},
            {Qt::Key_End, none, "END"},
            {Qt::Key_PageUp, none, "PGUP"},
            {Qt::Key_PageDown, none, "PGDN"},
            {Qt::Key_Pause, none, "PAUSE"},
            {Qt::Key_Shift, Qt::ShiftModifier, "SHIFT"},
            {Qt::Key_Control, none, "CTRL"},
            {Qt::Key_Alt, Qt::AltModifier, "ALT"},
            {Qt::Key_AltGr, none, "ALT"},
            {Qt::Key_CapsLock, none, "CAPSLOCK"},
            {Qt::Key_Return, none, "ENTER"},
            {Qt::Key_Space, none, "SPACE"},
            // Editing keys and keys that type text stay with the field.
            {Qt::Key_Delete, none, ""},
            {Qt::Key_Backspace, none, ""},
            {Qt::Key_Tab, none, ""},
            {Qt::Key_Backtab, Qt::ShiftModifier, ""},
            {Qt::Key_Escape, none, ""},
            {Qt::Key_A, none, ""},
            {Qt::Key_A, Qt::ShiftModifier, ""},
            {Qt::Key_7, none, ""},
            {Qt::Key_Period, none, ""},
            {Qt::Key_Equal, none, ""},
            {Qt::Key_Meta, none, ""},
            // The keypad with Num Lock on ...
            {Qt::Key_7, pad, "KP_HOME"},
            {Qt::Key_8, pad, "KP_UPARROW"},
            {Qt::Key_9, pad, "KP_PGUP"},
            {Qt::Key_4, pad, "KP_LEFTARROW"},
            {Qt::Key_5, pad, "KP_5"},
            {Qt::Key_6, pad, "KP_RIGHTARROW"},
            {Qt::Key_1, pad, "KP_END"},
            {Qt::Key_2, pad, "KP_DOWNARROW"},
            {Qt::Key_3, pad, "KP_PGDN"},
            {Qt::Key_0, pad, "KP_INS"},
            {Qt::Key_Period, pad, "KP_DEL"},
            {Qt::Key_Comma, pad, "KP_DEL"},
            // ... and off (keypad 5 is Clear, with or without the keypad modifier).
            {Qt::Key_Home, pad, "KP_HOME"},
            {Qt::Key_Up, pad, "KP_UPARROW"},
            {Qt::Key_PageUp, pad, "KP_PGUP"},
            {Qt::Key_Left, pad, "KP_LEFTARROW"},
            {Qt::Key_Clear, pad, "KP_5"},
            {Qt::Key_Clear, none, "KP_5"},
            {Qt::Key_Right, pad, "KP_RIGHTARROW"},
            {Qt::Key_End, pad, "KP_END"},
            {Qt::Key_Down, pad, "KP_DOWNARROW"},
            {Qt::Key_PageDown, pad, "KP_PGDN"},
            {Qt::Key_Insert, pad, "KP_INS"},
            {Qt::Key_Delete, pad, "KP_DEL"},
            // Either way.
            {Qt::Key_Enter, pad, "KP_ENTER"},
            {Qt::Key_Enter, none, "KP_ENTER"},
            {Qt::Key_Slash, pad, "KP_SLASH"},
            {Qt::Key_Asterisk, pad, "KP_STAR"},
            {Qt::Key_Minus, pad, "KP_MINUS"},
            {Qt::Key_Plus, pad, "KP_PLUS"},
            {Qt::Key_Equal, pad, "KP_EQUALS"},
            {Qt::Key_NumLock, none, "KP_NUMLOCK"},
    };
    int row = 0;
    for (const auto &press : presses) {
        QTest::addRow("%d %s", ++row, press.name)
                << press.key << press.modifiers << QString::fromLatin1(press.name);
    }
}

void TestGameNames::keyPresses()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, name);

    QCOMPARE(keyNameFor(key, modifiers), name);
    if (!name.isEmpty()) {
        QVERIFY(isKey(name, Version::Et260b));
        QVERIFY(isKey(name, Version::Legacy));
    }
}

void TestGameNames::mouse()
{
    QCOMPARE(keyNameFor(Qt::LeftButton), QString());
    QCOMPARE(keyNameFor(Qt::RightButton), QString());
    QCOMPARE(keyNameFor(Qt::MiddleButton), QStringLiteral("MOUSE3"));
    QCOMPARE(keyNameFor(Qt::BackButton), QStringLiteral("MOUSE4"));
    QCOMPARE(keyNameFor(Qt::ForwardButton), QStringLiteral("MOUSE5"));
    QCOMPARE(wheelKeyName(120), QStringLiteral("MWHEELUP"));
    QCOMPARE(wheelKeyName(-15), QStringLiteral("MWHEELDOWN"));
    QCOMPARE(wheelKeyName(0), QString());
    for (const char *name : {"MOUSE3", "MOUSE4", "MOUSE5", "MWHEELUP", "MWHEELDOWN"}) {
        QVERIFY(isKey(QString::fromLatin1(name), Version::Et260b));
        QVERIFY(isKey(QString::fromLatin1(name), Version::Legacy));
    }
}

QTEST_APPLESS_MAIN(TestGameNames)
#include "tst_gamenames.moc"
