#include "steps/keys/KeyField.h"

#include "game/KeyNames.h"
#include "widgets/PageKit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

QValidator::State UpperCaseValidator::validate(QString &input, int &pos) const
{
    // Some letters grow when raised (a sharp s becomes two), so the caret is placed after the
    // raised form of what stood before it.
    const QString upper = input.toUpper();
    if (upper != input) {
        pos = input.left(pos).toUpper().size();
        input = upper;
    }
    return Acceptable;
}

void UpperCaseValidator::fixup(QString &input) const
{
    input = input.toUpper();
}

namespace {

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
            || key == Qt::Key_AltGr;
}

// Whether a Shift, Ctrl or Alt key is the right-hand one, from what the system says of the key.
bool isRightHand(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_AltGr)
        return true;
#if defined(Q_OS_WIN)
    // Scan codes, with the extended-key bit: right Shift, right Ctrl, right Alt.
    const quint32 code = event->nativeScanCode();
    return code == 0x36 || code == 0x11d || code == 0x138;
#elif defined(Q_OS_MACOS)
    // Virtual key codes: right Shift, right Option, right Control.
    const quint32 code = event->nativeVirtualKey();
    return code == 0x3c || code == 0x3d || code == 0x3e;
#else
    // Key symbols of X11 and Wayland: Shift_R, Control_R, Alt_R, Meta_R, ISO_Level3_Shift.
    const quint32 code = event->nativeVirtualKey();
    return code == 0xffe2 || code == 0xffe4 || code == 0xffea || code == 0xffe8 || code == 0xfe03;
#endif
}

// Shortcuts that edit the text keep doing so, also where their key has a name of its own
// (Shift+Insert pastes, Ctrl+Insert copies).
bool isEditingShortcut(QKeyEvent *event)
{
    for (const auto shortcut : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll}) {
        if (event->matches(shortcut))
            return true;
    }
    return false;
}

// The game's name of a pressed key that sets the field at once; empty for a key that edits the
// text, and for Shift, Ctrl and Alt, which wait for their release.
QString nameOfPress(QKeyEvent *event)
{
    if (isModifier(event->key()) || isEditingShortcut(event))
        return QString();
    return Game::keyNameFor(event->key(), event->modifiers());
}

} // namespace

KeyField::KeyField(const QString &objectName, const QString &text, const QString &hint,
                   QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    // No length limit of its own: QLineEdit's default is 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
    setCursorPosition(0);
    QPalette warning = palette();
    warning.setColor(QPalette::PlaceholderText, QColor(0xa6, 0x1b, 0x1b));
    setPalette(warning);
    const QString how = QStringLiteral("(press a key or type its name)");
    PageKit::setHint(this, hint.isEmpty() ? how : hint + QLatin1Char(' ') + how);
}

KeyField *KeyField::inCapitals(const QString &objectName, const QString &text, const QString &hint)
{
    auto *field = new KeyField(objectName, QString(), hint);
    field->setProperty("tarvexRole", QStringLiteral("key"));
    field->setFrame(false);
    field->setValidator(new UpperCaseValidator(field));
    field->setText(text);
    field->setCursorPosition(0);
    return field;
}

namespace {

QSize widened(const QLineEdit &field, QSize size)
{
    const QMargins margins = field.textMargins();
    const int longest = field.fontMetrics().horizontalAdvance(QStringLiteral("KP_RIGHTARROW"))
            + margins.left() + margins.right() + 14;
    size.setWidth(std::max(size.width(), longest));
    return size;
}

} // namespace

QSize KeyField::sizeHint() const
{
    return widened(*this, QLineEdit::sizeHint());
}

QSize KeyField::minimumSizeHint() const
{
    return widened(*this, QLineEdit::minimumSizeHint());
}

void KeyField::showProblem(const QString &description)
{
    if (description == m_problem)
        return;
    m_problem = description;
    const bool shown = !description.isEmpty();
    if (property("keyProblem").toBool() != shown) {
        // The style sheet gives the warning colour; it is applied again when the property changes.
        setProperty("keyProblem", shown);
        style()->unpolish(this);
        style()->polish(this);
        update();
    }
    PageKit::setWarning(this, description);
    // An empty field has no text to colour: it shows why it is wrong instead ("no key given").
    setPlaceholderText(description);
}

bool KeyField::event(QEvent *event)
{
    // A key that sets the field is the field's own, not the window's shortcut (F3 is Find Next
    // in the script view); nor does Alt alone take the keyboard to the menu bar.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *press = static_cast<QKeyEvent *>(event);
        if (isModifier(press->key()) || !nameOfPress(press).isEmpty()) {
            event->accept();
            return true;
        }
        // A shortcut may take this key (Alt+N presses Next): Alt was not pressed alone.
        m_loneModifier = 0;
    }
    return QLineEdit::event(event);
}

void KeyField::keyPressEvent(QKeyEvent *event)
{
    if (isModifier(event->key())) {
        if (!event->isAutoRepeat()) {
            m_loneModifier = event->key();
            m_rightHand = isRightHand(event);
        }
        event->accept();
        return;
    }
    m_loneModifier = 0;
    const QString name = nameOfPress(event);
    if (name.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    setKey(name);
    event->accept();
}

void KeyField::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && isModifier(event->key())) {
        if (event->key() == m_loneModifier)
            setKey(Game::modifierKeyName(event->key(), m_rightHand, m_version));
        m_loneModifier = 0;
        event->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

// The middle and side buttons set their names; the left and right ones edit as usual (so the
// middle button does not paste the selection either).
void KeyField::mousePressEvent(QMouseEvent *event)
{
    m_loneModifier = 0;
    const QString name = Game::keyNameFor(event->button());
    if (name.isEmpty()) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    setKey(name);
    event->accept();
}

void KeyField::mouseReleaseEvent(QMouseEvent *event)
{
    if (Game::keyNameFor(event->button()).isEmpty())
        QLineEdit::mouseReleaseEvent(event);
    else
        event->accept();
}

void KeyField::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (Game::keyNameFor(event->button()).isEmpty())
        QLineEdit::mouseDoubleClickEvent(event);
    else
        event->accept();
}

// The wheel sets its name only over the field that has the focus; elsewhere it scrolls on.
void KeyField::wheelEvent(QWheelEvent *event)
{
    const QString name = hasFocus() ? Game::wheelKeyName(event->angleDelta().y()) : QString();
    if (name.isEmpty()) {
        QLineEdit::wheelEvent(event);
        return;
    }
    setKey(name);
    event->accept();
}

void KeyField::focusOutEvent(QFocusEvent *event)
{
    m_loneModifier = 0;
    QLineEdit::focusOutEvent(event);
}

// As one edit the player can undo: the whole text becomes the name. The name is left selected,
// so that what the player types or presses next replaces it, with its start in view: in a
// narrow field, KP_RIGHTARROW must not read as RIGHTARROW.
void KeyField::setKey(const QString &name)
{
    if (text() != name) {
        selectAll();
        insert(name);
    }
    setSelection(int(name.size()), -int(name.size()));
}
