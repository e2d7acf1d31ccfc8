#include "editor/KeyMapWindow.h"

#include "editor/KeyMapView.h"
#include "editor/PrintRows.h"
#include "editor/ScriptCheck.h"
#include "platform/Messages.h"
#include "platform/Services.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

KeyMapWindow::KeyMapWindow(ScriptCheck &check, QPlainTextEdit *editor, QWidget *parent)
    : QDialog(parent)
    , m_model(check)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("KeyMapWindow"));
    setWindowTitle(QStringLiteral("Keyboard Map"));
    setModal(false);
    m_model.refresh();

    m_view = new KeyMapView(m_model, this);
    m_view->setObjectName(QStringLiteral("KeyMap"));
    m_view->setWhatsThis(QStringLiteral("Click a free key to put it in the key field"));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("KeyList"));
    m_list->setAccessibleName(QStringLiteral("Keys the script binds"));
    m_list->setStatusTip(QStringLiteral("Every key the script binds; click a heading to sort"));
    m_list->setHeaderLabels(
            {QStringLiteral("Key"), QStringLiteral("Binding"), QStringLiteral("Line")});
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(0, Qt::AscendingOrder);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->setMinimumHeight(120);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("KeyMapHint"));
    m_hint->setAccessibleName(QStringLiteral("Key hint"));
    m_hint->setFrameShape(QFrame::StyledPanel);
    m_hint->setFrameShadow(QFrame::Sunken);
    m_hint->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_hint);

    connect(&check, &ScriptCheck::checked, this, &KeyMapWindow::refresh);
    connect(m_view, &KeyMapView::keyActivated, this, &KeyMapWindow::activateKey);
    connect(m_view, &KeyMapView::keyHovered, this, &KeyMapWindow::showHint);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { activateKey(item->text(0)); });
    resize(1260, 580);
}

void KeyMapWindow::setSource(KeyMapSource *source)
{
    m_source = source;
    m_model.setScreenKeys([this] { return m_source->screenKeys(); });
    refresh();
}

void KeyMapWindow::showBeside()
{
    if (!isVisible() && parentWidget()) {
        const QRect main = parentWidget()->window()->frameGeometry();
        move(main.right() + 8, main.top());
    }
    show();
    raise();
    activateWindow();
}

void KeyMapWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_stale)
        refresh();
}

void KeyMapWindow::refresh()
{
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    m_model.refresh();
    m_view->refresh();
    fillList();
}

void KeyMapWindow::fillList()
{
    // Most edits change no binding: the list is then left as it is.
    QStringList rows;
    for (const KeyUse &use : m_model.uses())
        rows << use.accessibleText() + QString::number(use.count) + use.binding;
    std::sort(rows.begin(), rows.end());
    if (rows == m_listed)
        return;
    m_listed = rows;
    m_list->setUpdatesEnabled(false);
    m_list->setSortingEnabled(false);
    m_list->clear();
    for (const KeyUse &use : m_model.uses()) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(0, use.key);
        item->setText(1,
                      use.bound() ? use.binding
                                  : QStringLiteral("(%1 when it runs)").arg(use.runScript));
        const int line = use.bound() ? use.line : use.runLine;
        item->setData(2, Qt::DisplayRole, line >= 0 ? QVariant(line + 1) : QVariant());
        item->setData(0, Qt::AccessibleTextRole, use.accessibleText());
        if (use.twice())
            item->setForeground(0, KeyMapDrawing::warningColour());
    }
    m_list->setSortingEnabled(true);
    m_list->setUpdatesEnabled(true);
}

void KeyMapWindow::showHint(const QString &text)
{
    m_hint->setText(text);
}

void KeyMapWindow::activateKey(const QString &key)
{
    const KeyUse use = m_model.use(key);
    if (!use.taken()) {
        showHint(m_source && m_source->putKey(key)
                         ? QStringLiteral("%1 is in the key field now").arg(key)
                         : QStringLiteral("%1 is free").arg(key));
        return;
    }
    if (use.bound() && use.line < 0) {
        showHint(QStringLiteral("%1 is the key of \"%2\" on step %3")
                         .arg(key, use.field.field)
                         .arg(use.field.step));
        return;
    }
    const int line = use.bound() ? use.line : use.runLine;
    const QTextBlock block = m_editor->document()->findBlockByNumber(line);
    if (!m_editor->isVisible()) {
        const int step = m_source ? m_source->stepOfLine(block.text()) : 0;
        showHint(step > 0 ? QStringLiteral("%1 is bound on line %2, written at step %3")
                                    .arg(key)
                                    .arg(line + 1)
                                    .arg(step)
                          : QStringLiteral("%1 is bound on line %2 of the script")
                                    .arg(key)
                                    .arg(line + 1));
        return;
    }
    QTextCursor cursor(block);
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
    m_editor->setFocus();
    showHint(use.description());
}

void KeyMapWindow::exportMap(Dialogs &dialogs)
{
    const QString path = dialogs.pictureFileName(this, QStringLiteral("keyboard map.png"));
    if (path.isEmpty())
        return;
    if (!writePicture(path)) {
        dialogs.error(this, applicationTitle,
                      QStringLiteral("The keyboard map could not be saved to %1.").arg(path));
    }
}

bool KeyMapWindow::writePicture(const QString &path)
{
    m_model.refresh();
    m_view->refresh();
    const QSize size = m_view->isVisible() ? m_view->size() : m_view->sizeHint();
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Keyboard map"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        m_view->drawing().paint(painter, QRectF(QPoint(0, 0), size));
        return painter.end();
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    m_view->drawing().paint(painter, QRectF(image.rect()));
    painter.end();
    return image.save(path, "PNG");
}

bool KeyMapWindow::print(QPrinter &printer)
{
    m_model.refresh();
    m_view->refresh();
    if (!printerAvailable(printer))
        return false;
    // The map is wide: it goes across the page, which is then set back for the script.
    const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        m_view->drawing().paint(painter, QRectF(QPointF(0, 0), page.size()));
        printed = painter.end();
    }
    printer.setPageOrientation(orientation);
    return printed;
}
