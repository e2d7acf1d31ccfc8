#pragma once

#include <QDialog>

class Desktop;

// The About box: a banner, a few words on the program and two links. Each About command builds
// a fresh box, which frees itself when it closes.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(Desktop &desktop, QWidget *parent = nullptr);

public slots:
    void Label5Click(); // "Click here!": the forums
    void Label2Click(); // "Click Here!": the web site

private:
    Desktop &m_desktop;
};
