#pragma once

#include "platform/Services.h"

#include <QStringList>

#include <cstdio>

// Platform services that never block: the save dialog answers from a queue, message boxes are
// counted instead of shown, the clock is the real one.
class BenchDialogs : public Dialogs
{
public:
    QStringList saveAnswers;
    int informationCount = 0;
    int errorCount = 0;

    QString saveFileName(QWidget *, const QString &, const FilePlaces &) override
    {
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    QString openFileName(QWidget *, const FilePlaces &) override { return QString(); }
    QString pictureFileName(QWidget *, const QString &) override { return QString(); }
    int chooseItem(QWidget *, const QString &, const QString &, const QStringList &) override
    {
        return -1;
    }
    void information(QWidget *, const QString &, const QString &) override { ++informationCount; }
    bool confirm(QWidget *, const QString &, const QString &) override { return true; }
    void error(QWidget *, const QString &, const QString &text) override
    {
        ++errorCount;
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    }
    bool printerSetup(QWidget *, QPrinter &) override { return false; }
    bool ask(QWidget *, const QString &, const QString &, const QString &, const QString &) override
    {
        return true;
    }
    // A question of standard buttons: nothing typed and not added, nothing unsaved to keep.
    Answer choose(QWidget *, const QString &, const QString &, QMessageBox::StandardButtons buttons,
                  Answer, const QMap<Answer, QString> &) override
    {
        return buttons.testFlag(QMessageBox::Discard) ? QMessageBox::Discard : QMessageBox::No;
    }
};

class BenchDesktop : public Desktop
{
public:
    void open(const QUrl &) override { }
};

class BenchKeyLocks : public KeyLocks
{
public:
    bool capsLock() override { return false; }
    bool numLock() override { return false; }
};

class BenchClock : public Clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

struct BenchServices
{
    BenchDialogs dialogs;
    BenchDesktop desktop;
    BenchKeyLocks keyLocks;
    BenchClock clock;

    Services services() { return {&dialogs, &desktop, &keyLocks, &clock}; }
};
