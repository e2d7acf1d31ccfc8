#include "steps/chat_scripts/Scripts2Page.h"

#include "game/ScriptText.h"
#include "steps/chat_scripts/ScriptBox.h"
#include "steps/chat_scripts/ScriptLines.h"
#include "steps/keys/KeyCheck.h"
#include "steps/keys/KeyField.h"
#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString keyLabel = QStringLiteral("Key:");
// The same hint serves the kill and the walk fields.
const QString walkHint = QStringLiteral("select key to walk until button is pressed again");
} // namespace

Scripts2Page::Scripts2Page(KeyCheck &keys, QWidget *parent)
    : StepPage(QStringLiteral("pnlScripts2"), QStringLiteral("// Scripts part2"), parent)
{
    ScriptBox jump(QStringLiteral("pnlJump"), QStringLiteral("// Jump Script"),
                   {QStringLiteral("With this script you can jump farder and faster.")});
    m_jumpEnabled = jump.addEnable(QStringLiteral("chkJump"));
    m_jumpKey = jump.addKeyField(QStringLiteral("edJump2"), keyLabel, QString(),
                                 QStringLiteral("select key to jump farder and faster"));

    ScriptBox crouch(QStringLiteral("pnlCrouch"), QStringLiteral("// Crouch Script"),
                     {QStringLiteral("You'll keep crouch until button is pressed again.")});
    m_crouchEnabled = crouch.addEnable(QStringLiteral("chkCrouch"));
    m_crouchKey = crouch.addKeyField(
            QStringLiteral("edCrouch2"), keyLabel, QString(),
            QStringLiteral("select key to keep crouch until button is pressed again"));

    ScriptBox kill(QStringLiteral("pnlKill"), QStringLiteral("// Kill Script"),
                   {QStringLiteral("Press a button to kill your self and say something at the "
                                   "same time.")});
    m_killEnabled = kill.addEnable(QStringLiteral("chkKill"));
    m_killKey = kill.addKeyField(QStringLiteral("edKill"), keyLabel, QString(), walkHint);
    m_killMessage
            = kill.addField(QStringLiteral("edKill1"), QStringLiteral("Say:"), QString(), walkHint);

    ScriptBox walk(QStringLiteral("pnlWalk"), QStringLiteral("// Walk Script"),
                   {QStringLiteral("You'll keep walking until button is pressed again.")});
    m_walkEnabled = walk.addEnable(QStringLiteral("chkWalk"));
    m_walkKey = walk.addKeyField(QStringLiteral("edWalk2"), keyLabel, QString(), walkHint);

    ScriptBox art(QStringLiteral("Panel55"), QStringLiteral("// Direct Artillery"),
                  {QStringLiteral("Press a button and artillery will be automaticly sended, you "
                                  "don't need the binoculars... It's cool!!")});
    m_artilleryEnabled = art.addEnable(QStringLiteral("chkArt"));
    m_artilleryKey = art.addKeyField(QStringLiteral("edArt"), keyLabel, QString(),
                                     QStringLiteral("select a key to auto send Atrillery"));

    using namespace ScriptLines;
    keys.add(4, m_jumpKey, m_jumpEnabled, QLatin1String(jumpCommand));
    keys.add(4, m_crouchKey, m_crouchEnabled, QLatin1String(crouchCommand));
    keys.add(4, m_killKey, m_killEnabled, [this] { return killBinding(); });
    keys.add(4, m_walkKey, m_walkEnabled, QLatin1String(walkCommand));
    keys.add(4, m_artilleryKey, m_artilleryEnabled, QLatin1String(artilleryCommand));
    connect(m_killMessage, &QLineEdit::textChanged, &keys, [&keys] { keys.recheck(4); });

    // Three boxes above, two wider ones below, in the order the scripts are written.
    auto *boxes = new QGridLayout;
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(8);
    boxes->addWidget(jump.frame(), 0, 0, 1, 2);
    boxes->addWidget(crouch.frame(), 0, 2, 1, 2);
    boxes->addWidget(kill.frame(), 0, 4, 1, 2);
    boxes->addWidget(walk.frame(), 1, 0, 1, 3);
    boxes->addWidget(art.frame(), 1, 3, 1, 3);
    for (int column = 0; column < 6; ++column)
        boxes->setColumnStretch(column, 1);
    body()->addLayout(boxes);

    // The player's own reminder; the key fields show a key bound twice as it is typed.
    auto *warning = new QVBoxLayout;
    warning->setSpacing(0);
    warning->setContentsMargins(2, 8, 2, 0);
    QLabel *first = PageKit::label(QStringLiteral("Do not use the same key in more than 1 space."));
    first->setProperty("tarvexRole", QStringLiteral("warning"));
    warning->addWidget(first);
    for (const QString &text :
         {QStringLiteral("It's better you note the keys you already used."),
          QStringLiteral("for example, if you used the SPACE at Jump at the controls, then you "
                         "cannot use"),
          QStringLiteral("SPACE at this Jumb Script, use \"P\" for example... OR use SPACE but "
                         "then you'll"),
          QStringLiteral("have to remove \"bind SPACE \"+moveup\"\" at the script view step on "
                         "Controls lines..."),
          QStringLiteral("See the Quorlin forum for MUCH more information...")})
        warning->addWidget(PageKit::note(text));
    body()->addLayout(warning);
    body()->addStretch(1);

    setNextButton(4);
}

QStringList Scripts2Page::lines() const
{
    using namespace ScriptLines;
    using Game::bindLine;
    QStringList out;
    if (m_jumpEnabled->isChecked())
        out << bindLine(m_jumpKey->text(), QLatin1String(jumpCommand)) << block(jumpLines);
    if (m_crouchEnabled->isChecked())
        out << bindLine(m_crouchKey->text(), QLatin1String(crouchCommand)) << block(crouchLines);
    if (m_killEnabled->isChecked())
        out << bindLine(m_killKey->text(), killBinding());
    if (m_walkEnabled->isChecked())
        out << bindLine(m_walkKey->text(), QLatin1String(walkCommand));
    if (m_artilleryEnabled->isChecked())
        out << block(artilleryLines)
            << bindLine(m_artilleryKey->text(), QLatin1String(artilleryCommand));
    return out;
}

// The say text must not end the binding's quotes nor start a command of its own.
QString Scripts2Page::killBinding() const
{
    return QLatin1String(ScriptLines::killCommand) + Game::bindingText(m_killMessage->text());
}
