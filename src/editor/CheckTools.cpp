#include "editor/CheckTools.h"

#include "editor/ProblemsWindow.h"
#include "editor/ScriptCheck.h"
#include "editor/ScriptHighlighter.h"
#include "platform/Settings.h"
#include "widgets/HintLine.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

namespace {

QString versionId(Game::Version version)
{
    return version == Game::Version::Legacy ? QStringLiteral("legacy") : QStringLiteral("et260b");
}

Game::Version readSavedVersion()
{
    return Settings().value(Setting::gameVersion) == versionId(Game::Version::Legacy)
            ? Game::Version::Legacy
            : Game::Version::Et260b;
}

void saveVersion(Game::Version version)
{
    Settings().setValue(Setting::gameVersion, versionId(version));
}

} // namespace

CheckTools::CheckTools(QPlainTextEdit *editor, QLabel *hintPanel, QWidget *window)
    : QObject(window)
    , m_editor(editor)
    , m_hintPanel(hintPanel)
    , m_mainWindow(window)
{
    m_check = new ScriptCheck(m_editor->document(), Game::Version::Et260b, this);
    m_highlighter = new ScriptHighlighter(*m_check);

    // Rebuilding a long list at every key would slow typing: the list follows once the
    // player pauses.
    m_listTimer = new QTimer(this);
    m_listTimer->setSingleShot(true);
    m_listTimer->setInterval(100);
    connect(m_listTimer, &QTimer::timeout, this, &CheckTools::refreshList);
    connect(m_check, &ScriptCheck::checked, this, [this] {
        refreshHint();
        if (m_window && m_window->isVisible())
            m_listTimer->start();
    });
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this, &CheckTools::refreshHint);
}

Game::Version CheckTools::version() const
{
    return m_check->version();
}

void CheckTools::useSavedVersion()
{
    const Game::Version saved = savedVersion();
    if (saved != version())
        setVersion(saved);
}

Game::Version CheckTools::savedVersion()
{
    return readSavedVersion();
}

void CheckTools::showProblems()
{
    if (!m_window) {
        m_window = new ProblemsWindow(m_mainWindow);
        m_window->showVersion(version());
        connect(m_window, &ProblemsWindow::versionChosen, this, &CheckTools::chooseVersion);
        connect(m_window, &ProblemsWindow::entryActivated, this, &CheckTools::goTo);
    }
    refreshList();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void CheckTools::setVersion(Game::Version version)
{
    const bool changed = version != this->version();
    m_check->setVersion(version);
    m_highlighter->refresh();
    if (m_window) {
        m_window->showVersion(version);
        refreshList();
    }
    refreshHint();
    if (changed)
        emit versionChanged(version);
}

void CheckTools::chooseVersion(Game::Version version)
{
    if (version == this->version())
        return;
    saveVersion(version);
    setVersion(version);
}

void CheckTools::refreshList()
{
    m_listTimer->stop();
    if (m_window)
        m_window->showEntries(m_check->allProblems());
}

void CheckTools::refreshHint()
{
    const QTextCursor cursor = m_editor->textCursor();
    const QTextBlock block = cursor.block();
    const int column = cursor.position() - block.position();
    QString message;
    for (const Game::Problem &problem : m_check->problems(block)) {
        if (problem.span.start <= column && column <= problem.span.end()) {
            message = problem.message;
            break;
        }
    }
    if (!message.isEmpty()) {
        m_hintPanel->setText(message);
    } else if (!m_hint.isEmpty() && m_hintPanel->text() == m_hint) {
        // Off the problem: the line shows what it shows without one.
        m_hintPanel->setText(HintLine::hintFor(m_editor));
    }
    m_hint = message;
}

void CheckTools::goTo(int line, int column)
{
    const QTextBlock block = m_editor->document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + qBound(0, column, block.length() - 1));
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
    m_mainWindow->activateWindow();
    m_editor->setFocus(Qt::OtherFocusReason);
}
