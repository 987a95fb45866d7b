#include "app/controls.h"

#include <QCoreApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <cmath>

namespace rechnado {

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

bool Label::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked));
}

QKeySequence Label::shortcut() const
{
    return m_shortcut ? m_shortcut->key() : QKeySequence();
}

void Label::setShortcut(const QKeySequence &key)
{
    delete std::exchange(m_shortcut, nullptr);
    if (key.isEmpty())
        return;
    // The shortcut works wherever the focus is in the label's window, while the label is shown and
    // enabled. Held down, it clicks once: each click of the mode label clears the fields.
    m_shortcut = new QShortcut(key, this);
    m_shortcut->setAutoRepeat(false);
    connect(m_shortcut, &QShortcut::activated, this, [this] {
        if (!m_keyHeld)
            click();
    });
    QCoreApplication::instance()->installEventFilter(this);
}

namespace {
// Whether a caption shows whole in the label's rectangle, laid out as the flags say (broken at word
// boundaries, or in its own lines). A single line may overhang the label's foot by a pixel or two,
// as it always could; more lines must fit.
bool captionFits(const QFont &font, const QRect &room, int flags, const QString &caption)
{
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(room, flags, caption);
    const bool oneLine = needed.height() <= metrics.lineSpacing();
    return needed.width() <= room.width() && (oneLine || needed.height() <= room.height());
}
} // namespace

void Label::fitCaption(Lines lines)
{
    const int flags = int(alignment()) | (lines == Lines::Wrap ? Qt::TextWordWrap : 0);
    if (!m_layoutFont)
        m_layoutFont = font();
    QFont font = *m_layoutFont;
    const QRect room = contentsRect();
    constexpr double kSmallest = 5.0;
    constexpr double kStep = 0.25;
    while (font.pointSizeF() > kSmallest && !captionFits(font, room, flags, text()))
        font.setPointSizeF(font.pointSizeF() - kStep);
    setFont(font);
}

bool Label::eventFilter(QObject *watched, QEvent *event)
{
    // Qt marks a key's auto-repeat only where the platform tells it; an X server repeats a held
    // key as a release and a press of the same moment, which Qt 6.4 passes on as two real ones.
    // A press at the moment of the key's last release is such a repeat.
    const QEvent::Type type = event->type();
    if (m_shortcut && (type == QEvent::KeyRelease || type == QEvent::ShortcutOverride)) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->key() == m_shortcut->key()[0].key()) {
            if (type == QEvent::KeyRelease)
                m_releasedAt = key->timestamp();
            else
                m_keyHeld =
                    key->isAutoRepeat() || (key->timestamp() != 0 && key->timestamp() == m_releasedAt);
        }
    }
    return QLabel::eventFilter(watched, event);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_click.pressed(event);
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_click.released(this, event))
        Q_EMIT clicked();
}

Picture::Picture(QWidget *parent)
    : QLabel(parent)
{}

bool Picture::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Picture::clicked));
}

void Picture::setGeometryTwips(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void Picture::moveTwips(double left, double top)
{
    m_left = left;
    m_top = top;
    move(toPixels(left), toPixels(top));
}

void Picture::setAcceptsControlDrops(bool on)
{
    setAcceptDrops(on);
}

QString Picture::dragMimeType()
{
    return QStringLiteral("application/x-rechnado-control");
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    if (m_dragAutomatic && event->button() == Qt::LeftButton) {
        auto *drag = new QDrag(this);
        auto *mime = new QMimeData;
        mime->setData(dragMimeType(), objectName().toUtf8());
        drag->setMimeData(mime);
        // The drag image in the picture's size, as finely as the screen shows it.
        const qreal ratio = devicePixelRatioF();
        QPixmap image = pixmap().scaled(size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        drag->setPixmap(image);
        drag->setHotSpot(event->position().toPoint());
        drag->exec(Qt::MoveAction);
        return;
    }
    m_click.pressed(event);
    QLabel::mousePressEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_click.released(this, event))
        Q_EMIT clicked();
}

namespace {
QWidget *draggedControl(const QDropEvent *event)
{
    if (!event->mimeData()->hasFormat(Picture::dragMimeType()))
        return nullptr;
    return qobject_cast<QWidget *>(event->source());
}
} // namespace

void Picture::dragEnterEvent(QDragEnterEvent *event)
{
    QWidget *source = draggedControl(event);
    if (!source) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT dragOver(source);
}

void Picture::dragMoveEvent(QDragMoveEvent *event)
{
    if (QWidget *source = draggedControl(event)) {
        event->acceptProposedAction();
        Q_EMIT dragOver(source);
    }
}

void Picture::dropEvent(QDropEvent *event)
{
    if (QWidget *source = draggedControl(event)) {
        event->acceptProposedAction();
        // Told once the drag has ended, so that what the drop shows (message boxes) does not run
        // inside the drag and drop machinery.
        QMetaObject::invokeMethod(
            this,
            [this, dragged = QPointer<QWidget>(source)] {
                if (dragged)
                    Q_EMIT dragDrop(dragged);
            },
            Qt::QueuedConnection);
    }
}

void Shape::setFillColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Line::setPoints(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
}

void Line::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawLine(m_from - pos(), m_to - pos());
}

Frame::Frame(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

} // namespace rechnado
