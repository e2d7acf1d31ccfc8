#include "steps/chat_scripts/VSaysPage.h"

#include "steps/chat_scripts/ScriptBox.h"
#include "steps/keys/KeyRows.h"
#include "widgets/PageKit.h"
#include "wizard/ScriptBuffer.h"

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
            "Do not use the same keys and the keys you used in \"Options: Controls\" step. If "
            "you're not noting the keys you already used, you should to."));
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
    // The game's own order, not sorted; two names appear twice and write the same line.
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
            QStringLiteral("EnemyWeak"),
            QStringLiteral("Hi"),
            QStringLiteral("Bye"),
            QStringLiteral("GreatShot"),
            QStringLiteral("Cheer"),
            QStringLiteral("HoldFire"),
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

VSaysPage::VSaysPage(ScriptBuffer &buffer, KeyCheck &keys, QWidget *parent)
    : StepPage(QStringLiteral("pnlVSays"), QStringLiteral("// Says and Vsays"), parent)
    , m_buffer(buffer)
{
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
                                   "text and when that key is is pressed, it automaticly says "
                                   "what you whrote below...")});
    QPushButton *addSayButton = addButton(QStringLiteral("btnSayAdd"), QStringLiteral("Add Say"),
                                          QStringLiteral("add say"));

    m_rows = &addRows(ScriptBox::named(messageRows(), {vsays, says}),
                      ScriptBox::grids({vsays, says}), messageStyle(keys));
    qobject_cast<QComboBox *>(m_rows->control(VsayMessage))->setMaxVisibleItems(16);
    vsays.addTrailing(addVsayButton);
    says.addTrailing(addSayButton);

    auto *boxes = new QHBoxLayout;
    boxes->setSpacing(10);
    boxes->addWidget(vsays.frame(), 1);
    boxes->addWidget(says.frame(), 1);
    body()->addLayout(boxes);

    addWarning(body());
    body()->addStretch(1);

    connect(addVsayButton, &QPushButton::clicked, this, &VSaysPage::addVsay);
    connect(addSayButton, &QPushButton::clicked, this, &VSaysPage::addSay);

    setNextButton(2);
}

// A key that cannot be bound writes nothing.
void VSaysPage::addVsay()
{
    m_buffer.append(m_rows->linesOf(VsayKey));
    emit linesAdded();
}

void VSaysPage::addSay()
{
    m_buffer.append(m_rows->linesOf(SayKey));
    emit linesAdded();
}

QStringList VSaysPage::lines() const
{
    return {};
}
