#pragma once

#include <QDialog>

class Desktop;

// The About box: a banner, a few words on the program and two links. Each About command builds
// a fresh box, which frees itself when it closes.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(Desktop &desktop, QWidget *parent = nullptr);

public slots:
    void openForums(); // "Click here!": the forums
    void openWebsite(); // "Click Here!": the web site

private:
    Desktop &m_desktop;
};
