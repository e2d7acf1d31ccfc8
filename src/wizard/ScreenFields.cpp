#include "wizard/ScreenFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const QString textKind = QStringLiteral("text/");
const QString checkKind = QStringLiteral("check/");
const QString indexKind = QStringLiteral("index/");
const QString editKind = QStringLiteral("edit/");

struct NamedControl
{
    QPointer<QWidget> control;
    QString name;
};

// Each named control that holds a value and its name on this screen: the object name, and
// "#2", "#3", ... after it for a name used again.
std::vector<NamedControl> namedControls(const QWidget *screen)
{
    std::vector<NamedControl> named;
    QHash<QString, int> seen;
    for (QWidget *control : screen->findChildren<QWidget *>()) {
        QString name = control->objectName();
        // Qt's own parts (a combo box's line edit, a spin box's) follow their owner.
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))
            || name.contains(QLatin1Char('\n')) || qobject_cast<QComboBox *>(control->parent()))
            continue;
        if (!qobject_cast<QLineEdit *>(control) && !qobject_cast<QCheckBox *>(control)
            && !qobject_cast<QRadioButton *>(control) && !qobject_cast<QComboBox *>(control))
            continue;
        const int count = ++seen[name];
        if (count > 1)
            name += QStringLiteral("#%1").arg(count);
        named.push_back({control, name});
    }
    return named;
}

// Calls `visit` with each named control of the screen. A screen keeps the controls it was
// built with, so they are looked for once (the state is taken at every Next); a screen or a
// control gone since is looked for again.
void eachControl(const QWidget *screen,
                 const std::function<void(QWidget *, const QString &)> &visit)
{
    struct Known
    {
        QPointer<QWidget> screen;
        std::vector<NamedControl> controls;
    };
    static QHash<const QWidget *, Known> known;
    Known &entry = known[screen];
    const bool stale = entry.screen != screen
            || std::any_of(entry.controls.begin(), entry.controls.end(),
                           [](const NamedControl &named) { return named.control.isNull(); });
    if (stale)
        entry = {const_cast<QWidget *>(screen), namedControls(screen)};
    for (const NamedControl &named : entry.controls)
        visit(named.control, named.name);
}

void restoreValue(QWidget *control, const QString &kind, const QString &value)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control); edit && kind == textKind) {
        edit->setText(value);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control);
               button && kind == checkKind) {
        button->setChecked(value == QLatin1String("1"));
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        bool ok = false;
        const int index = value.toInt(&ok);
        if (kind == indexKind && ok && index >= 0 && index < combo->count())
            combo->setCurrentIndex(index);
        else if (kind == editKind && combo->isEditable())
            combo->setEditText(value);
    }
}

} // namespace

void ScreenFields::read(const QWidget *screen, const QString &prefix, QList<FieldValue> *values)
{
    eachControl(screen, [&](QWidget *control, const QString &name) {
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            values->append({prefix + textKind + name, edit->text()});
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            values->append({prefix + checkKind + name,
                            button->isChecked() ? QStringLiteral("1") : QStringLiteral("0")});
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            values->append({prefix + indexKind + name, QString::number(combo->currentIndex())});
            if (combo->isEditable())
                values->append({prefix + editKind + name, combo->currentText()});
        }
    });
}

void ScreenFields::restore(QWidget *screen, const QString &prefix, const QList<FieldValue> &values)
{
    QHash<QString, QWidget *> controls;
    eachControl(screen,
                [&](QWidget *control, const QString &name) { controls.insert(name, control); });
    for (const FieldValue &field : values) {
        if (!field.key.startsWith(prefix))
            continue;
        const QString key = field.key.mid(prefix.size());
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        if (slash < 0)
            continue;
        if (QWidget *control = controls.value(key.mid(slash + 1)))
            restoreValue(control, key.left(slash + 1), field.value);
    }
}
