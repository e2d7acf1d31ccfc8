#include "wizard/WorkState.h"

#include "wizard/ScreenFields.h"
#include "wizard/StartPage.h"
#include "wizard/Steps.h"
#include "wizard/Wizard.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>

namespace {

QString screenPrefix(int step)
{
    return QString::number(step) + QLatin1Char('/');
}

// The start screen's radio buttons are named after the styles.
QString styleName(SectionStyle style)
{
    switch (style) {
    case SectionStyle::Style1:
        return QStringLiteral("S1");
    case SectionStyle::Style2:
        return QStringLiteral("S2");
    case SectionStyle::None:
        break;
    }
    return QStringLiteral("SN");
}

void restoreScript(const RecoveryState &state, QPlainTextEdit *scriptView)
{
    scriptView->setPlainText(state.script);
    QTextCursor caret(scriptView->document());
    const int end = caret.document()->characterCount() - 1;
    caret.setPosition(qBound(0, state.caretAnchor, end));
    caret.setPosition(qBound(0, state.caretPosition, end), QTextCursor::KeepAnchor);
    scriptView->setTextCursor(caret);
}

} // namespace

RecoveryState WorkState::take(const Wizard &wizard, const QPlainTextEdit *scriptView)
{
    RecoveryState state;
    LayerStack &layers = wizard.layers();
    for (int i = 0; i < layerCount; ++i)
        state.shownLayers[i] = layers.isShown(static_cast<Layer>(i));
    state.commandsOn = wizard.commandsOn();
    for (int step = startScreen; step <= lastStep; ++step) {
        // Only the screens built so far: the others hold nothing the player set.
        if (QWidget *screen = layers.widget(stepInfo(step).layer))
            ScreenFields::read(screen, screenPrefix(step), &state.fields);
    }
    if (layers.widget(Layer::Start))
        state.sectionStyle = styleName(wizard.startPage()->sectionStyle());
    state.script = scriptView->document()->toRawText();
    const QTextCursor caret = scriptView->textCursor();
    state.caretAnchor = caret.anchor();
    state.caretPosition = caret.position();
    return state;
}

void WorkState::restore(const RecoveryState &state, Wizard &wizard, QPlainTextEdit *scriptView)
{
    restoreScript(state, scriptView);
    for (int step = startScreen; step <= lastStep; ++step) {
        const QString prefix = screenPrefix(step);
        const bool hasValues = std::any_of(
                state.fields.begin(), state.fields.end(),
                [&](const FieldValue &field) { return field.key.startsWith(prefix); });
        if (hasValues)
            ScreenFields::restore(wizard.stepPage(step), prefix, state.fields);
    }
    if (!state.sectionStyle.isEmpty()) {
        auto *style = wizard.startPage()->findChild<QRadioButton *>(state.sectionStyle);
        if (style)
            style->setChecked(true);
    }
    wizard.restoreScreen(state.shownLayers, state.commandsOn);
}
