#include "steps/chat_scripts/VSaysPage.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "steps/chat_scripts/AddedBindings.h"
#include "steps/chat_scripts/ScriptBox.h"
#include "steps/keys/KeyRows.h"
#include "widgets/PageKit.h"
#include "wizard/RowSet.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PageKit;

namespace {

QPushButton *addButton(const QString &objectName, const QString &caption, const QString &hint)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    setHint(button, hint);
    return button;
}

// The player's own reminder; the key fields show a key bound twice as it is typed.
void addWarning(QVBoxLayout *layout)
{
    QLabel *warningTitle = label(QStringLiteral("WARNING!!"));
    warningTitle->setProperty("tarvexRole", QStringLiteral("warning"));
    QLabel *warningText = note(QStringLiteral(
            "Do not use the same keys and the keys you used in \"Options: Controls\" step. A "
            "key used twice is shown in red, with the reason in the hint line."));
    warningText->setWordWrap(true);
    layout->addSpacing(6);
    layout->addWidget(warningTitle);
    layout->addWidget(warningText);
}

// Both keys are bound at every press of Add: they count as written rows. The message must not
// end the binding's quotes nor start a command of its own when the key is pressed.
std::vector<Row> messageRows()
{
    // clang-format off
    return {
        Row::key("edVs").label("Key:").text("F5").hint("vsay keyboard key")
                .bindsWithText("vsay ", "cbVsay").in(0).at(1, 1),
        Row::combo("cbVsay").label("Vsay message:").items(VSaysPage::vsayItems())
                .text("PathCleared").hint("select the vsay (quick chat)").writesNothing()
                .in(0).at(2, 1),
        Row::key("edS").label("Key:").text("F6").hint("say keyboard key")
                .bindsWithText("say ", "edTexthere").in(1).at(1, 1),
        Row::edit("edTexthere").label("Message text:").text("Hi all!").hint("enter the text")
                .writesNothing().in(1).at(2, 1),
    };
    // clang-format on
}

RowStyle messageStyle(KeyCheck &keys)
{
    RowStyle style = ScriptBox::rowStyle();
    useKeyFields(style, keys, 2);
    return style;
}

} // namespace

const QStringList &VSaysPage::vsayItems()
{
    // The game's own order, not sorted; each message once.
    static const QStringList items = {
            QStringLiteral("PathCleared"),
            QStringLiteral("EnemyWeak"),
            QStringLiteral("AllClear"),
            QStringLiteral("Incoming"),
            QStringLiteral("FireInTheHole"),
            QStringLiteral("OnDefense"),
            QStringLiteral("OnOffense"),
            QStringLiteral("TakingFire"),
            QStringLiteral("MinesCleared"),
            QStringLiteral("EnemyDisguised"),
            QStringLiteral("Medic"),
            QStringLiteral("NeedAmmo"),
            QStringLiteral("NeedBackup"),
            QStringLiteral("NeedEngineer"),
            QStringLiteral("CoverMe"),
            QStringLiteral("HoldFire"),
            QStringLiteral("WhereTo"),
            QStringLiteral("NeedOps"),
            QStringLiteral("FollowMe"),
            QStringLiteral("LetsGo"),
            QStringLiteral("Move"),
            QStringLiteral("ClearPath"),
            QStringLiteral("DefendObjective"),
            QStringLiteral("DisarmDynamite"),
            QStringLiteral("ClearMines"),
            QStringLiteral("ReinforceOffense"),
            QStringLiteral("ReinforceDefense"),
            QStringLiteral("Affirmative"),
            QStringLiteral("Negative"),
            QStringLiteral("Thanks"),
            QStringLiteral("Welcome"),
            QStringLiteral("Sorry"),
            QStringLiteral("Oops"),
            QStringLiteral("Hi"),
            QStringLiteral("Bye"),
            QStringLiteral("GreatShot"),
            QStringLiteral("Cheer"),
            QStringLiteral("GoodGame"),
            QStringLiteral("CommandAcknowledged"),
            QStringLiteral("CommandDeclined"),
            QStringLiteral("CommandCompleted"),
            QStringLiteral("DestroyPrimary"),
            QStringLiteral("DestroySecondary"),
            QStringLiteral("DestroyConstruction"),
            QStringLiteral("ConstructionCommencing"),
            QStringLiteral("RepairVehicle"),
            QStringLiteral("DestroyVehicle"),
            QStringLiteral("EscortVehicle"),
    };
    return items;
}

VSaysPage::VSaysPage(ScriptBuffer &buffer, KeyCheck &keys, Dialogs &dialogs, QWidget *parent)
    : StepPage(QStringLiteral("pnlVSays"), QStringLiteral("// Says and Vsays"), parent)
    , m_dialogs(dialogs)
{
    QLabel *addNote = note(QString());
    addNote->setObjectName(QStringLiteral("lblAddNote"));
    addNote->setProperty("tarvexRole", QStringLiteral("warning"));
    m_added = new AddedBindings(buffer, addNote, this);

    // The explanations keep their wording; they wrap to the width of their box.
    ScriptBox vsays(
            QStringLiteral("pnlVSayss"), QStringLiteral("// Vsays"),
            {QStringLiteral("What is a vsay?"),
             QStringLiteral("A vsay is a Quick Message, the messages that you say when pressing "
                            "the key \"v\"... With this, you can say a \"vsay\" only pressing a "
                            "key, you don't need to press \"v+2+1\" for example, with this you "
                            "say, with the key \"k\" for example, say \"Fire in The hole!!\"... I "
                            "hope you get it.! ")});
    QPushButton *addVsayButton = addButton(QStringLiteral("btnVsayAdd"), QStringLiteral("Add Vsay"),
                                           QStringLiteral("add vsay"));

    ScriptBox says(QStringLiteral("pnlSays"), QStringLiteral("// Says"),
                   {QStringLiteral("What is a say?"),
                    QStringLiteral("Here the say is, when you press T and say something to team "
                                   "or all, that's a Say, but here you can choose a key and the "
                                   "text and when that key is pressed, it automatically says "
                                   "what you wrote below...")});
    QPushButton *addSayButton = addButton(QStringLiteral("btnSayAdd"), QStringLiteral("Add Say"),
                                          QStringLiteral("add say"));

    m_rows = &addRows(ScriptBox::named(messageRows(), {vsays, says}),
                      ScriptBox::grids({vsays, says}), messageStyle(keys));
    qobject_cast<QComboBox *>(m_rows->control(VsayMessage))->setMaxVisibleItems(16);
    vsays.addTrailing(addVsayButton);
    vsays.addSpanning(m_added->createList(AddedBindings::Vsay, QStringLiteral("lstVsays"),
                                          QStringLiteral("btnVsayRemove"),
                                          QStringLiteral("Vsays added")));
    says.addTrailing(addSayButton);
    says.addSpanning(m_added->createList(AddedBindings::Say, QStringLiteral("lstSays"),
                                         QStringLiteral("btnSayRemove"),
                                         QStringLiteral("Says added")));

    auto *boxes = new QHBoxLayout;
    boxes->setSpacing(10);
    boxes->addWidget(vsays.frame(), 1);
    boxes->addWidget(says.frame(), 1);
    body()->addLayout(boxes);

    body()->addWidget(addNote);
    addWarning(body());
    body()->addStretch(1);

    connect(addVsayButton, &QPushButton::clicked, this, &VSaysPage::addVsay);
    connect(addSayButton, &QPushButton::clicked, this, &VSaysPage::addSay);

    setNextButton(2);
    watchEdits();
}

// Only the player's own edits count, not texts a script gives the fields.
void VSaysPage::watchEdits()
{
    for (const int keyRow : {int(VsayKey), int(SayKey)}) {
        auto edited = [this, keyRow] {
            m_edited[keyRow] = true;
        };
        connect(qobject_cast<QLineEdit *>(m_rows->control(keyRow)), &QLineEdit::textEdited, this,
                edited);
        QWidget *text = m_rows->control(keyRow + 1);
        if (auto *combo = qobject_cast<QComboBox *>(text)) {
            connect(combo, &QComboBox::activated, this, edited);
            text = combo->lineEdit();
        }
        connect(qobject_cast<QLineEdit *>(text), &QLineEdit::textEdited, this, edited);
    }
}

// A key that cannot be bound writes nothing; the same Add again is refused.
void VSaysPage::addVsay()
{
    add(VsayKey);
}

void VSaysPage::addSay()
{
    add(SayKey);
}

void VSaysPage::add(int keyRow)
{
    m_edited[keyRow] = false;
    m_added->add(keyRow == VsayKey ? AddedBindings::Vsay : AddedBindings::Say,
                 m_rows->value(keyRow), m_rows->command(keyRow), m_rows->value(keyRow + 1),
                 m_rows->linesOf(keyRow));
    emit linesAdded();
}

QStringList VSaysPage::listBinding(const RowSet &rows, int keyRow, const QString &key,
                                   const QString &text)
{
    if (&rows != m_rows || (keyRow != VsayKey && keyRow != SayKey))
        return {};
    // The fields write the line and are then given back what the player sees in them.
    const QString shown[] = {m_rows->value(keyRow), m_rows->value(keyRow + 1)};
    m_rows->take(keyRow, key);
    m_rows->take(keyRow + 1, text);
    QStringList line = m_rows->linesOf(keyRow);
    if (!m_added->list(keyRow == VsayKey ? AddedBindings::Vsay : AddedBindings::Say,
                       m_rows->value(keyRow), m_rows->command(keyRow), text, line))
        line.clear();
    m_rows->take(keyRow, shown[0]);
    m_rows->take(keyRow + 1, shown[1]);
    return line;
}

void VSaysPage::forgetListed()
{
    m_added->forget(true);
}

bool VSaysPage::askToAdd(int keyRow)
{
    const QString key = m_rows->value(keyRow);
    if (!m_edited[keyRow] || m_added->contains(key, m_rows->command(keyRow)))
        return true;
    const QString question
            = QStringLiteral("Add the %1 \"%2\" on %3 first?")
                      .arg(keyRow == VsayKey ? QStringLiteral("vsay") : QStringLiteral("say"),
                           m_rows->value(keyRow + 1), key.trimmed());
    const Dialogs::Answer answer = m_dialogs.choose(
            this, applicationTitle, question,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
            {{QMessageBox::Yes, QStringLiteral("&Add")},
             {QMessageBox::No, QStringLiteral("&Skip")}});
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        add(keyRow);
    m_edited[keyRow] = false;
    return true;
}

bool VSaysPage::beforeNext()
{
    if (!askToAdd(VsayKey) || !askToAdd(SayKey))
        return false;
    // What a Back took out is written again, in the order it was added.
    m_added->writeAgain();
    return true;
}

QStringList VSaysPage::lines() const
{
    return {};
}
