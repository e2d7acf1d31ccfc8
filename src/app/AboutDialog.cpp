#include "app/AboutDialog.h"

#include "app/WebLinks.h"
#include "platform/Services.h"
#include "widgets/Pictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A label that reacts to a click like a link.
QLabel *linkLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text));
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

AboutDialog::AboutDialog(Desktop &desktop, QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tarvex "));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(340, 231);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(6);

    auto *banner = new Picture(QStringLiteral(":/images/banner.svg"));
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setFixedSize(340, 70);
    layout->addWidget(banner);

    auto *text = new QLabel(QStringLiteral("Easealy create your professional CFG's  for "
                                           "Wolfenstein Enemy Territory"));
    text->setObjectName(QStringLiteral("Label1"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setContentsMargins(12, 0, 12, 0);
    layout->addWidget(text);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(24, 0, 24, 0);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(QStringLiteral("Contact:")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Forum support:")), 1, 0);
    QLabel *forums = linkLabel("Label5", QStringLiteral("Click here!"));
    grid->addWidget(forums, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Qel Website:")), 2, 0);
    QLabel *site = linkLabel("Label2", QStringLiteral("Click Here!"));
    grid->addWidget(site, 2, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    auto *close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignHCenter);

    connect(forums, &QLabel::linkActivated, this, &AboutDialog::openForums);
    connect(site, &QLabel::linkActivated, this, &AboutDialog::openWebsite);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void AboutDialog::openForums()
{
    m_desktop.open(webLinkUrl(WebLink::MakerForums));
}

void AboutDialog::openWebsite()
{
    m_desktop.open(webLinkUrl(WebLink::MakerSite));
}
