#include "ui/toolkit/form.h"

#include "ui/toolkit/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace tycora::ui {

Form::Form(QWidget *parent) : QWidget(parent, Qt::Window), back_(boardGreen())
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The desktop's quit and close keys close the window as its close box
    // does, so they ask the same question first. Where the desktop names
    // none, Ctrl+Q and Ctrl+W serve, as in most Linux programs.
    const auto bindings = [](QKeySequence::StandardKey key, const char *usual) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        const QKeySequence fallback(QString::fromLatin1(usual));
        if (!keys.contains(fallback))
            keys << fallback;
        return keys;
    };
    for (const QKeySequence &keys : bindings(QKeySequence::Quit, "Ctrl+Q") + bindings(QKeySequence::Close, "Ctrl+W")) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void Form::setClientSizeTwips(int width, int height)
{
    setFixedSize(px(width), px(height));
    ensureDrawing();
}

int Form::widthTwips() const { return twips(width()); }
int Form::heightTwips() const { return twips(height()); }

void Form::setBackColour(const QColor &colour)
{
    back_ = colour;
    update();
}

void Form::setBorderless(bool borderless)
{
    borderless_ = borderless;
    setWindowFlag(Qt::FramelessWindowHint, borderless);
}

void Form::setFixedSizeWindow()
{
    borderless_ = false;
    endDrag();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
}

void Form::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The outer size, title bar included once the window system has told it.
    // On a screen too small for the window, its top left corner (and the
    // title bar with it) stays on the screen.
    const QSize outer = frameGeometry().size();
    const auto start = [](int areaStart, int areaLength, int length) {
        return areaStart + std::max(0, (areaLength - length) / 2);
    };
    move(start(area.left(), area.width(), outer.width()), start(area.top(), area.height(), outer.height()));
}

void Form::ensureDrawing()
{
    const qreal dpr = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * dpr).toSize();
    if (drawing_.size() == device)
        return;
    QImage grown(device, QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(dpr);
    grown.fill(Qt::transparent);
    if (!drawing_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPoint(0, 0), drawing_);
    }
    drawing_ = grown;
}

void Form::drawLine(int x1, int y1, int x2, int y2, const QColor &colour)
{
    ensureDrawing();
    QPainter p(&drawing_);
    const int ax = px(x1), ay = px(y1), bx = px(x2), by = px(y2);
    // The end point is left out: a line runs from its start pixel up to the
    // pixel before its end, in whichever direction it goes.
    const auto span = [](int from, int to) { return from <= to ? std::pair(from, to - from) : std::pair(to + 1, from - to); };
    if (ay == by) {
        const auto [start, length] = span(ax, bx);
        p.fillRect(QRect(start, ay, length, 1), colour);
    } else if (ax == bx) {
        const auto [start, length] = span(ay, by);
        p.fillRect(QRect(ax, start, 1, length), colour);
    } else {
        p.setPen(colour);
        p.drawLine(ax, ay, bx, by);
    }
    update();
}

void Form::unload()
{
    unloading_ = true;
    close();
    deleteLater();
}

bool Form::queryUnload(CloseReason) { return false; }

void Form::closeEvent(QCloseEvent *event)
{
    const CloseReason reason = unloading_ ? CloseReason::Program : CloseReason::User;
    if (queryUnload(reason))
        event->ignore();
    else
        event->accept();
}

void Form::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (!drawing_.isNull())
        p.drawImage(QPoint(0, 0), drawing_);
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ensureDrawing();
}

namespace {

// Where windows may not place themselves (Wayland), the compositor moves
// them instead, for as long as the button stays down.
bool compositorMovesWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

} // namespace

void Form::mouseMoveEvent(QMouseEvent *event)
{
    if (drag_ != Drag::None) {
        // The buttons held now decide, not what was last seen: a release
        // that went elsewhere ends the drag at the next move.
        if (!(event->buttons() & Qt::LeftButton)) {
            endDrag();
        } else {
            const QPoint pointer = event->globalPosition().toPoint();
            if (drag_ == Drag::Pressed &&
                (pointer - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
                if (compositorMovesWindows() && windowHandle() && windowHandle()->startSystemMove()) {
                    endDrag();
                    return;
                }
                drag_ = Drag::Moving;
            }
            if (drag_ == Drag::Moving) {
                move(pointer - dragOffset_);
                return;
            }
        }
    }
    emit backgroundMouseMoved();
}

void Form::mousePressEvent(QMouseEvent *event)
{
    if (!borderless_ || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    drag_ = Drag::Pressed;
    pressedAt_ = event->globalPosition().toPoint();
    dragOffset_ = pressedAt_ - frameGeometry().topLeft();
    event->accept();
}

void Form::mouseReleaseEvent(QMouseEvent *event)
{
    endDrag();
    QWidget::mouseReleaseEvent(event);
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Another window took the focus: whatever the pointer does now is not
    // meant for this one.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        endDrag();
}

void Form::hideEvent(QHideEvent *event)
{
    endDrag();
    QWidget::hideEvent(event);
}

void Form::endDrag() { drag_ = Drag::None; }

} // namespace tycora::ui
