#include "support/FakeServices.h"

QString FakeDialogs::saveFileName(QWidget *, const QString &suggested, const FilePlaces &places)
{
    saveSuggestions << suggested;
    savePlaces << places;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

QString FakeDialogs::openFileName(QWidget *, const FilePlaces &places)
{
    openPlaces << places;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakeDialogs::pictureFileName(QWidget *, const QString &suggested)
{
    pictureSuggestions << suggested;
    return pictureAnswers.isEmpty() ? QString() : pictureAnswers.takeFirst();
}

int FakeDialogs::chooseItem(QWidget *, const QString &, const QString &, const QStringList &items)
{
    chooseOffers << items;
    return itemAnswers.isEmpty() ? -1 : itemAnswers.takeFirst();
}

void FakeDialogs::information(QWidget *, const QString &caption, const QString &text)
{
    messages << ShownMessage {ShownMessage::Information, caption, text};
}

bool FakeDialogs::confirm(QWidget *, const QString &caption, const QString &text)
{
    messages << ShownMessage {ShownMessage::Confirmation, caption, text};
    return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
}

void FakeDialogs::error(QWidget *, const QString &caption, const QString &text)
{
    messages << ShownMessage {ShownMessage::Error, caption, text};
}

bool FakeDialogs::ask(QWidget *, const QString &caption, const QString &text, const QString &first,
                      const QString &second)
{
    messages << ShownMessage {ShownMessage::Question, caption, text};
    askButtons << QStringList {first, second};
    return askAnswers.isEmpty() ? true : askAnswers.takeFirst();
}

Dialogs::Answer FakeDialogs::choose(QWidget *, const QString &caption, const QString &text,
                                    QMessageBox::StandardButtons buttons, Answer,
                                    const QMap<Answer, QString> &captions)
{
    messages << ShownMessage {ShownMessage::Question, caption, text};
    static const QList<QPair<Answer, QString>> names
            = {{QMessageBox::Save, QStringLiteral("Save")},
               {QMessageBox::Yes, QStringLiteral("Yes")},
               {QMessageBox::No, QStringLiteral("No")},
               {QMessageBox::Discard, QStringLiteral("Discard")},
               {QMessageBox::Cancel, QStringLiteral("Cancel")}};
    QStringList offered;
    for (const auto &[button, name] : names) {
        if (buttons.testFlag(button))
            offered << captions.value(button, name);
    }
    chooseButtons << offered;
    return chooseAnswers.isEmpty() ? QMessageBox::Cancel : chooseAnswers.takeFirst();
}

QString FakeDialogs::lastError() const
{
    if (messages.isEmpty())
        return QStringLiteral("<no message>");
    const ShownMessage &last = messages.last();
    if (last.kind != ShownMessage::Error || last.caption != QLatin1String("Tarvex 1.0"))
        return QStringLiteral("<not an error box: %1: %2>").arg(last.caption, last.text);
    return last.text;
}

bool FakeDialogs::printerSetup(QWidget *, QPrinter &printer)
{
    ++printerSetupCount;
    return onPrinterSetup ? onPrinterSetup(printer) : false;
}

int FakeDialogs::count(ShownMessage::Kind kind) const
{
    int n = 0;
    for (const ShownMessage &message : messages)
        n += message.kind == kind ? 1 : 0;
    return n;
}
