#include "app/ScriptFiles.h"

#include "app/RecentScripts.h"
#include "platform/GameFolders.h"
#include "platform/Messages.h"
#include "wizard/ScriptBuffer.h"
#include "wizard/Wizard.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

const QString closeQuestion = QStringLiteral("You selected to close the application\r"
                                             "while you were editing the config file\r"
                                             "are you sure? The config file will be lost");

} // namespace

ScriptFiles::ScriptFiles(QMainWindow &window, Services services, ScriptBuffer &buffer,
                         Wizard &wizard)
    : QObject(&window)
    , m_window(window)
    , m_services(services)
    , m_buffer(buffer)
    , m_wizard(wizard)
    , m_savedText(buffer.text())
{
    // Comparing a long script at every key would slow typing: the mark follows a pause.
    m_titleTimer = new QTimer(this);
    m_titleTimer->setSingleShot(true);
    m_titleTimer->setInterval(100);
    connect(m_titleTimer, &QTimer::timeout, this, &ScriptFiles::updateTitle);
    connect(m_buffer.editor()->document(), &QTextDocument::contentsChanged, this,
            &ScriptFiles::scheduleTitle);
    updateTitle();
}

bool ScriptFiles::save()
{
    if (m_path.isEmpty())
        return saveAs();
    const bool saved = write(m_path);
    if (saved)
        m_wizard.apply(Trigger::Save);
    updateTitle();
    return saved;
}

bool ScriptFiles::saveAs()
{
    const QString path = m_services.dialogs->saveFileName(&m_window, m_saveName, places());
    bool saved = false;
    if (!path.isEmpty()) {
        m_saveName = path;
        saved = write(path);
        // New stays unavailable: the script is not safe anywhere yet.
        if (!saved)
            return false;
    }
    m_wizard.apply(Trigger::Save);
    updateTitle();
    return saved;
}

bool ScriptFiles::write(const QString &path)
{
    const QString text = m_buffer.text();
    FileFormat format = m_format;
    // ET: Legacy reads its scripts as UTF-8.
    if (m_wizard.gameVersion() == Game::Version::Legacy)
        format.encoding = TextEncoding::Utf8;
    const QString failure = writeScriptFile(path, text, format);
    if (!failure.isEmpty()) {
        m_services.dialogs->error(&m_window, applicationTitle, failure);
        return false;
    }
    m_savedText = text;
    m_format = format;
    m_path = path;
    m_restored = false;
    RecentScripts::add(path);
    emit workSafe();
    return true;
}

void ScriptFiles::open()
{
    const QString path = m_services.dialogs->openFileName(&m_window, places());
    if (!path.isEmpty())
        openFile(path);
}

void ScriptFiles::openFile(const QString &path)
{
    // A file that cannot be read changes nothing, so there is nothing to ask first.
    ScriptFileContents contents;
    if (read(path, &contents) && askBeforeOpening(path))
        show(path, contents);
}

bool ScriptFiles::read(const QString &path, ScriptFileContents *contents)
{
    *contents = readScriptFile(path);
    if (!contents->failure.isEmpty()) {
        m_services.dialogs->error(&m_window, applicationTitle, contents->failure);
        return false;
    }
    return true;
}

void ScriptFiles::show(const QString &path, const ScriptFileContents &contents)
{
    m_buffer.replace(contents.lines);
    m_format = contents.format;
    m_savedText = m_buffer.text();
    m_saveName = path;
    m_path = path;
    m_restored = false;
    RecentScripts::add(path);
    m_wizard.apply(Trigger::Open);
    m_buffer.editor()->setFocus();
    updateTitle();
    emit workSafe();
}

void ScriptFiles::restore(const QString &path)
{
    m_path = path;
    m_saveName = path;
    m_restored = true;
    updateTitle();
}

void ScriptFiles::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path))
        RecentScripts::remove(path);
    openFile(path);
}

bool ScriptFiles::unsaved() const
{
    return m_restored || m_wizard.runInProgress() || differsFromFile();
}

bool ScriptFiles::differsFromFile() const
{
    return m_buffer.text() != m_savedText;
}

bool ScriptFiles::mayDiscard()
{
    return !unsaved() || settle(closeQuestion, nullptr);
}

bool ScriptFiles::askBeforeOpening(const QString &path)
{
    if (!unsaved())
        return true;
    const QString name
            = m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
    return settle(QStringLiteral("Save the changes to \"%1\" before opening \"%2\"?")
                          .arg(name, QFileInfo(path).fileName()),
                  &m_window);
}

bool ScriptFiles::settle(const QString &question, QWidget *parent)
{
    switch (m_services.dialogs->choose(
            parent, QStringLiteral("Confirm"), question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void ScriptFiles::fillRecentMenu(QMenu *menu)
{
    menu->clear();
    const QStringList paths = RecentScripts::paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QString caption = QDir::toNativeSeparators(path);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (!paths.isEmpty())
        menu->addSeparator();
    QAction *clear = menu->addAction(QStringLiteral("Clear"));
    clear->setObjectName(QStringLiteral("ClearRecent1"));
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, this, [] { RecentScripts::clear(); });
}

QString ScriptFiles::droppedScript(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    const QString path = url.toLocalFile();
    if (!url.isLocalFile() || path.isEmpty())
        return QString();
    if (path.endsWith(QStringLiteral(".cfg"), Qt::CaseInsensitive))
        return path;
    const QFileInfo file(path);
    if (!file.isFile())
        return QString();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    return type.inherits(QStringLiteral("text/plain")) ? path : QString();
}

QString ScriptFiles::droppedName(const QMimeData *data)
{
    if (!data || data->urls().isEmpty())
        return QString();
    const QUrl url = data->urls().constFirst().adjusted(QUrl::StripTrailingSlash);
    const QString name = url.fileName();
    return name.isEmpty() ? url.toDisplayString() : name;
}

void ScriptFiles::updateTitle()
{
    if (m_path.isEmpty()) {
        m_window.setWindowTitle(windowTitle);
        return;
    }
    // A "[*]" in the file's own name is shown as it is.
    QString name = QFileInfo(m_path).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    // A file in another encoding than UTF-8 says which.
    if (m_format.encoding != TextEncoding::Utf8)
        name += QStringLiteral(" (%1)").arg(encodingName(m_format.encoding));
    m_window.setWindowTitle(name + QStringLiteral("[*] - ") + windowTitle);
    m_window.setWindowModified(unsaved());
}

void ScriptFiles::scheduleTitle()
{
    if (!m_path.isEmpty())
        m_titleTimer->start();
}

FilePlaces ScriptFiles::places() const
{
    const QStringList gameFolders = gameScriptFolders(
            m_wizard.gameVersion() == Game::Version::Legacy ? FirstFolders::Legacy
                                                            : FirstFolders::Et260b);
    FilePlaces places;
    places.folder = RecentScripts::lastFolder();
    if (!QFileInfo(places.folder).isDir())
        places.folder = gameFolders.isEmpty() ? QString() : gameFolders.constFirst();
    for (const QString &folder : gameFolders)
        places.sideBar << QUrl::fromLocalFile(folder);
    return places;
}
