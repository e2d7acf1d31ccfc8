#include "support/Harness.h"

#include "wizard/RecoveryFiles.h"
#include "wizard/ScriptBuffer.h"
#include "wizard/Steps.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

Harness::Harness()
    : m_window(std::make_unique<MainWindow>(fakes.services()))
{
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("the main window was not exposed");
}

Harness::~Harness()
{
    // Nothing is asked when the test's window goes away.
    m_window->hide();
}

void Harness::click(const QString &buttonName)
{
    auto *button = find<QAbstractButton>(buttonName);
    if (!button->isVisible())
        QTest::qFail(qPrintable(buttonName + QStringLiteral(" is not visible")), __FILE__,
                     __LINE__);
    QTest::mouseClick(button, Qt::LeftButton);
}

void Harness::trigger(const QString &actionName)
{
    find<QAction>(actionName)->trigger();
}

void Harness::chooseStyle(const QString &style)
{
    find<QRadioButton>(style)->setChecked(true);
}

void Harness::chooseGame(Game::Version version)
{
    const QString name = version == Game::Version::Legacy ? QStringLiteral("rbLegacy")
                                                          : QStringLiteral("rbET260b");
    if (auto *button = find<QRadioButton>(name))
        button->setChecked(true);
}

void Harness::startRun()
{
    click(QStringLiteral("tbNew"));
    click(QStringLiteral("SpeedButton1"));
}

void Harness::nextUntil(int step, int from)
{
    for (int s = from; s < step; ++s)
        click(nextButton(s));
}

QStringList Harness::press(const QString &buttonName)
{
    const QStringList before = lines();
    click(buttonName);
    const QStringList after = lines();
    // Appends only add lines: the new ones follow the last line that was there before (which
    // is the empty remainder after the final line break).
    return after.mid(before.size() - 1, after.size() - before.size());
}

QStringList Harness::pressNext(int step)
{
    return press(nextButton(step));
}

void Harness::retype(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void Harness::retype(const QString &fieldName, const QString &text)
{
    QWidget *field = find<QWidget>(fieldName);
    if (auto *combo = qobject_cast<QComboBox *>(field))
        field = combo->lineEdit();
    retype(field, text);
}

void Harness::paste(const QString &fieldName, const QString &text)
{
    QWidget *field = find<QWidget>(fieldName);
    if (auto *combo = qobject_cast<QComboBox *>(field))
        field = combo->lineEdit();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void Harness::setChecked(const QString &boxName, bool checked)
{
    auto *box = find<QCheckBox>(boxName);
    if (box->isChecked() != checked)
        click(boxName);
}

QString Harness::nextButton(int step)
{
    return QLatin1String(stepInfo(step).nextButton);
}

QString Harness::text() const
{
    return m_window->buffer().text();
}

QStringList Harness::lines() const
{
    return text().split(QStringLiteral("\r\n"));
}

bool Harness::visibleLayer(Layer *layer) const
{
    return m_window->layers().visibleLayer(layer);
}

QByteArray Harness::data(const QString &name)
{
    QFile file(QStringLiteral(TARVEX_TEST_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data file %s", qPrintable(name));
    return file.readAll();
}

QString Harness::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray Harness::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Harness::goToStep(int step)
{
    chooseStyle(QStringLiteral("SN"));
    startRun();
    nextUntil(step);
}

void Harness::failLookup(const QString &name)
{
    QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    throw ControlNotFound();
}

void Harness::focusInWindow(QWidget *control)
{
    QApplication::setActiveWindow(m_window.get());
    control->setFocus();
}

void useOwnSettings()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    RecoveryFiles::setFolder(folder.filePath(QStringLiteral("recovery")));
}
