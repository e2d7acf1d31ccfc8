#include "app/AboutDialog.h"

#include "app/WebLinks.h"
#include "platform/Services.h"
#include "widgets/Pictures.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>

namespace {

// A label that works like a link: a click opens it, and so do Enter and Space while it has the
// keyboard focus (Tab reaches it), instead of the box's default button.
class LinkLabel : public QLabel
{
public:
    // `name` is what a screen reader says: the row's caption with the link's text.
    LinkLabel(const char *objectName, const QString &text, const QString &name)
        : QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text))
        , m_text(text)
    {
        setObjectName(QLatin1String(objectName));
        setAccessibleName(name);
        setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit linkActivated(QStringLiteral("#"));
            event->accept();
            break;
        default:
            QLabel::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        // The focus frame around the link's text, for whoever follows the keyboard.
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect
                = style()->itemTextRect(fontMetrics(), contentsRect(), alignment(), true, m_text)
                          .adjusted(-2, 0, 2, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }

private:
    QString m_text;
};

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

    auto *banner = new Picture(QStringLiteral("banner"));
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
    QLabel *forums = new LinkLabel("Label5", QStringLiteral("Click here!"),
                                   QStringLiteral("Forum support: Click here!"));
    grid->addWidget(forums, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Qel Website:")), 2, 0);
    QLabel *site = new LinkLabel("Label2", QStringLiteral("Click Here!"),
                                 QStringLiteral("Qel Website: Click Here!"));
    grid->addWidget(site, 2, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    auto *close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    // The box opens with Close in focus, so that Enter closes it; Tab goes on to the links.
    close->setFocus();

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
