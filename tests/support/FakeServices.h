#pragma once

#include "platform/Services.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>

// Scripted stand-ins for the platform services: the tests decide what each dialog answers and
// read back what the program asked and showed.
struct ShownMessage
{
    enum Kind { Information, Confirmation, Error, Question } kind;
    QString caption;
    QString text;
};

class FakeDialogs : public Dialogs
{
public:
    // The answers the save dialog gives, in turn; an empty string cancels. When none is queued
    // the dialog is cancelled.
    QStringList saveAnswers;
    // What the save dialog was offered each time it opened: the file name, and the folder and
    // side bar places.
    QStringList saveSuggestions;
    QList<FilePlaces> savePlaces;
    // The answers the open dialog gives, in turn, as the save dialog's; and what it was offered.
    QStringList openAnswers;
    QList<FilePlaces> openPlaces;
    // The answers the picture dialog gives, in turn, and the names it was offered.
    QStringList pictureAnswers;
    QStringList pictureSuggestions;
    // The entries the chooser picks, in turn; when none is queued it is cancelled (-1). And the
    // lists it was offered.
    QList<int> itemAnswers;
    QList<QStringList> chooseOffers;
    // The answers to confirmations, in turn; when none is queued the answer is Cancel.
    QList<bool> confirmAnswers;
    // The answers to two-answer questions, in turn (true: the first); when none is queued the
    // box is closed, which answers the first. The answers each question offered.
    QList<bool> askAnswers;
    // The answers to questions of standard buttons, in turn; when none is queued the answer is
    // Cancel. What each question offered: its buttons, with their own captions where they have one.
    QList<Answer> chooseAnswers;
    QList<QStringList> chooseButtons;
    QList<QStringList> askButtons;
    QList<ShownMessage> messages;
    // Called when the printer setup dialog opens; returns whether it is confirmed.
    std::function<bool(QPrinter &)> onPrinterSetup;
    int printerSetupCount = 0;

    QString saveFileName(QWidget *parent, const QString &suggested,
                         const FilePlaces &places) override;
    QString openFileName(QWidget *parent, const FilePlaces &places) override;
    QString pictureFileName(QWidget *parent, const QString &suggested) override;
    int chooseItem(QWidget *parent, const QString &caption, const QString &label,
                   const QStringList &items) override;
    void information(QWidget *parent, const QString &caption, const QString &text) override;
    bool confirm(QWidget *parent, const QString &caption, const QString &text) override;
    void error(QWidget *parent, const QString &caption, const QString &text) override;
    bool ask(QWidget *parent, const QString &caption, const QString &text, const QString &first,
             const QString &second) override;
    Answer choose(QWidget *parent, const QString &caption, const QString &text,
                  QMessageBox::StandardButtons buttons, Answer defaultButton,
                  const QMap<Answer, QString> &captions) override;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;

    int count(ShownMessage::Kind kind) const;
    // The text of the last message when it is an error box with the program's caption;
    // otherwise what was shown instead, so that a failing comparison says it.
    QString lastError() const;
};

class FakeDesktop : public Desktop
{
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened << url; }
};

class FakeKeyLocks : public KeyLocks
{
public:
    // What the platform reports now.
    bool caps = false;
    bool num = false;
    // What a lock key's press tells of its own lock.
    bool afterPress = false;
    bool capsLock() override { return caps; }
    bool numLock() override { return num; }
    bool lockAfterPress(const QKeyEvent &) override { return afterPress; }
};

class FakeClock : public Clock
{
public:
    QDateTime time = QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9, 500));
    QDateTime now() override { return time; }
};

struct FakeServices
{
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakeKeyLocks keyLocks;
    FakeClock clock;

    Services services() { return {&dialogs, &desktop, &keyLocks, &clock}; }
};
