#include "editor/KeyMapView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

QAccessibleInterface *keyMapAccessible(const QString &className, QObject *object);

KeyMapView::KeyMapView(const KeyMapModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_places(keyPlaces(model.version()))
    , m_drawing(model, m_places)
    , m_version(model.version())
{
    static const bool factory = (QAccessible::installFactory(keyMapAccessible), true);
    Q_UNUSED(factory);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(QStringLiteral("Keyboard map"));
}

void KeyMapView::refresh()
{
    if (m_version != m_model.version()) {
        m_version = m_model.version();
        m_places = keyPlaces(m_version);
        // A key of one game only (the Windows keys) loses its name in the other.
        if (m_places[m_focus].name.isEmpty())
            m_focus = 0;
    }
    updateGeometry();
    update();
}

QString KeyMapView::placeText(int index) const
{
    const KeyPlace &place = m_places[index];
    if (place.name.isEmpty())
        return QStringLiteral("%1: no key name in %2")
                .arg(place.caption, Game::displayName(m_version));
    return m_model.use(place.name).accessibleText();
}

QRect KeyMapView::placeRect(int index) const
{
    return m_drawing.placeRect(QRectF(rect()), index).toAlignedRect();
}

void KeyMapView::setFocusPlace(int index)
{
    if (index < 0 || index >= m_places.size() || m_places[index].name.isEmpty())
        return;
    m_focus = index;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }
}

QSize KeyMapView::sizeHint() const
{
    const QSizeF size = m_drawing.size() * 40;
    return QSize(int(size.width()), int(size.height()));
}

int KeyMapView::heightForWidth(int width) const
{
    const QSizeF size = m_drawing.size();
    return int(std::ceil(width * size.height() / size.width()));
}

void KeyMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_drawing.paint(painter, QRectF(rect()), hasFocus() ? m_focus : -1, true);
}

void KeyMapView::mouseMoveEvent(QMouseEvent *event)
{
    const int at = m_drawing.placeAt(QRectF(rect()), event->position());
    if (at == m_hover)
        return;
    m_hover = at;
    const QString text = at >= 0 && !m_places[at].name.isEmpty()
            ? m_model.use(m_places[at].name).description()
            : QString();
    setStatusTip(text);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this, placeRect(at));
    emit keyHovered(text);
}

void KeyMapView::leaveEvent(QEvent *)
{
    m_hover = -1;
    emit keyHovered(QString());
}

void KeyMapView::mousePressEvent(QMouseEvent *event)
{
    const int at = m_drawing.placeAt(QRectF(rect()), event->position());
    if (event->button() != Qt::LeftButton || at < 0 || m_places[at].name.isEmpty())
        return;
    setFocusPlace(at);
    emit keyActivated(m_places[at].name);
}

void KeyMapView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    setFocusPlace(m_focus);
}

void KeyMapView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int next = nextPlace(event->key());
        if (next >= 0)
            setFocusPlace(next);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!m_places[m_focus].name.isEmpty())
            emit keyActivated(m_places[m_focus].name);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The nearest named key in that direction: the one whose middle is closest, a step across the
// rows counting more than a step along them.
int KeyMapView::nextPlace(int key) const
{
    const QRectF from = m_places[m_focus].rect;
    const QPointF centre = from.center();
    int best = -1;
    double bestDistance = 0;
    for (int i = 0; i < m_places.size(); ++i) {
        const QRectF to = m_places[i].rect;
        if (i == m_focus || m_places[i].name.isEmpty())
            continue;
        const bool ahead = (key == Qt::Key_Left && to.right() <= from.left() + 0.01)
                || (key == Qt::Key_Right && to.left() >= from.right() - 0.01)
                || (key == Qt::Key_Up && to.bottom() <= from.top() + 0.01)
                || (key == Qt::Key_Down && to.top() >= from.bottom() - 0.01);
        if (!ahead)
            continue;
        const QPointF d = to.center() - centre;
        const bool across = key == Qt::Key_Up || key == Qt::Key_Down;
        const double distance = across ? std::abs(d.y()) * 3 + std::abs(d.x())
                                       : std::abs(d.x()) + std::abs(d.y()) * 4;
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
