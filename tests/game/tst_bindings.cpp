// What a binding does, told in a few words, and the keys a script's values bind when they run.
#include "game/BindingLabels.h"
#include "game/RunBindings.h"

#include <QTest>

using namespace Game;

Q_DECLARE_METATYPE(Game::BindingKind)

class TestBindings : public QObject
{
    Q_OBJECT
private slots:
    void labels_data()
    {
        QTest::addColumn<QString>("binding");
        QTest::addColumn<QString>("label");
        QTest::addColumn<BindingKind>("kind");
        QTest::newRow("move") << "+forward"
                              << "forward" << BindingKind::Moving;
        QTest::newRow("weapon") << "weaponbank 3"
                                << "weaponbank 3" << BindingKind::Weapons;
        QTest::newRow("vsay") << "vsay Medic"
                              << "vsay Medic" << BindingKind::Chat;
        QTest::newRow("say after kill") << "kill;say  bye  all"
                                        << "bye all" << BindingKind::Chat;
        QTest::newRow("script first") << "say go; vstr gun1"
                                      << "gun1" << BindingKind::Scripts;
        QTest::newRow("+vstr") << "+vstr sjdown sjup"
                               << "sjdown sjup" << BindingKind::Scripts;
        QTest::newRow("toggle") << "toggle cl_run"
                                << "toggle cl_run" << BindingKind::Settings;
        QTest::newRow("setting") << "CG_fov 90"
                                 << "CG_fov 90" << BindingKind::Settings;
        QTest::newRow("other") << "vote yes"
                               << "vote yes" << BindingKind::Other;
        QTest::newRow("+ with a word") << "+attack now"
                                       << "+attack now" << BindingKind::Weapons;
        QTest::newRow("blank") << "  "
                               << "" << BindingKind::Other;
    }
    void labels()
    {
        QFETCH(QString, binding);
        QFETCH(QString, label);
        QFETCH(BindingKind, kind);
        QCOMPARE(bindingLabel(binding), label);
        QCOMPARE(bindingKind(binding), kind);
    }

    void keysBoundWhenRun_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected"); // "KEY by VARIABLE", "-" for an unbind
        QTest::newRow("volume") << "seta vc_volume0 \"s_volume 0;unbind INS;bind PGUP vstr "
                                   "vc_volume0_5;echo Volume: ^5MIN%\""
                                << "-INS by vc_volume0, PGUP by vc_volume0";
        QTest::newRow("value set by a value")
                << "set T \"set u bind f9 say hi\"; set w \"UNBIND kp_ins\""
                << "F9 by T, -KP_INS by w";
        QTest::newRow("bare value") << "set x bind"
                                    << "";
        QTest::newRow("not keys") << "set x \"bind NOSUCHKEY y; bind z; unbind\""
                                  << "";
        QTest::newRow("a binding binds") << "bind K \"bind J vstr x\""
                                         << "";
        QTest::newRow("a comment") << "// set x \"bind J y\""
                                   << "";
        QTest::newRow("only ET: Legacy's keys") << "set x \"bind RIGHTALT y\""
                                                << "";
        // The game folds only ASCII letters: a long s (U+017F) makes no "set" (outside quotes
        // it is a blank).
        QTest::newRow("not ASCII") << QString::fromUtf8("\"\xc5\xbf"
                                                        "et\" x \"bind F1 y\"")
                                   << "";
    }
    void keysBoundWhenRun()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QStringList found;
        for (const RunBinding &binding : Game::keysBoundWhenRun(line, Version::Et260b))
            found << QStringLiteral("%1%2 by %3")
                             .arg(binding.unbind ? "-" : "", binding.key, binding.variable);
        QCOMPARE(found.join(", "), expected);
    }
};

QTEST_GUILESS_MAIN(TestBindings)
#include "tst_bindings.moc"
