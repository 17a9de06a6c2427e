#include "toolkit/form.h"

#include "toolkit/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QMouseEvent>
#include <QPointer>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <utility>

namespace tycora::ui {

namespace {

// Where the middle of each secondary window was last, from its owner's
// middle: a window that opens at another size keeps its middle there.
QHash<QString, QPoint> &rememberedPlaces()
{
    static QHash<QString, QPoint> places;
    return places;
}

QRect availableArea(const QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Keeps a window at its place over its owner (see keepPlacedOver).
class WindowPlacer final : public QObject {
public:
    WindowPlacer(QWidget &window, QWidget *owner, std::function<void()> placeFirst)
        : QObject(&window), window_(window), owner_(owner), placeFirst_(std::move(placeFirst))
    {
        window.installEventFilter(this);
    }

    void setOwner(QWidget *owner)
    {
        if (owner_ != owner)
            placed_ = false;
        owner_ = owner;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (!placed_)
                place();
            break;
        case QEvent::Move:
            if (placed_ && window_.isVisible())
                remember();
            break;
        default: break;
        }
        return false;
    }

private:
    QWidget *owner() const
    {
        if (owner_)
            return owner_->window();
        return window_.parentWidget() ? window_.parentWidget()->window() : nullptr;
    }

    void place()
    {
        placed_ = true;
        QWidget *over = owner();
        const QRect area = availableArea(over ? *over : window_);
        if (over && window_.windowHandle() && over->windowHandle())
            window_.windowHandle()->setTransientParent(over->windowHandle());
        const auto remembered = rememberedPlaces().constFind(placeKey());
        if (over && !window_.objectName().isEmpty() && remembered != rememberedPlaces().constEnd()) {
            // Where it was, kept on the screen.
            const QSize outer = window_.frameGeometry().size();
            QRect at(QPoint(), outer);
            at.moveCenter(over->frameGeometry().center() + *remembered);
            at.moveRight(std::min(at.right(), area.right()));
            at.moveBottom(std::min(at.bottom(), area.bottom()));
            at.moveLeft(std::max(at.left(), area.left()));
            at.moveTop(std::max(at.top(), area.top()));
            window_.move(at.topLeft());
            return;
        }
        if (placeFirst_) {
            placeFirst_();
            return;
        }
        const QRect shown = over ? over->frameGeometry().intersected(area) : area;
        centreIn(window_, shown.isEmpty() ? area : shown);
    }

    // A window keeps one place over each kind of owner.
    QString placeKey() const
    {
        const QWidget *over = owner();
        return QString::fromLatin1(over ? over->metaObject()->className() : "") + QLatin1Char('/') +
               window_.objectName();
    }

    void remember() const
    {
        if (const QWidget *over = owner(); over && !window_.objectName().isEmpty())
            rememberedPlaces().insert(placeKey(), window_.frameGeometry().center() - over->frameGeometry().center());
    }

    QWidget &window_;
    QPointer<QWidget> owner_;
    std::function<void()> placeFirst_;
    bool placed_ = false;
};

} // namespace

void keepPlacedOver(QWidget &window, QWidget *owner, std::function<void()> placeFirst)
{
    for (QObject *child : window.children())
        if (auto *placer = dynamic_cast<WindowPlacer *>(child)) {
            placer->setOwner(owner);
            return;
        }
    new WindowPlacer(window, owner, std::move(placeFirst));
}

void centreIn(QWidget &window, const QRect &area)
{
    // The outer size, title bar included once the window system has told it.
    // In an area too small for the window, its top left corner (and the
    // title bar with it) stays in the area.
    const QSize outer = window.frameGeometry().size();
    const auto start = [](int areaStart, int areaLength, int length) {
        return areaStart + std::max(0, (areaLength - length) / 2);
    };
    window.move(start(area.left(), area.width(), outer.width()), start(area.top(), area.height(), outer.height()));
}

Form::Form(QWidget *parent) : QWidget(parent, Qt::Window), back_(boardGreen())
{
    if (parent)
        keepPlacedOver(*this);
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
    cutLines();
}

void Form::cutLines()
{
    for (Line &line : lines_)
        line.kept &= rect();
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
    centreIn(*this, screen->availableGeometry());
}

void Form::drawLine(int x1, int y1, int x2, int y2, const QColor &colour)
{
    const int ax = px(x1), ay = px(y1), bx = px(x2), by = px(y2);
    // The end point is left out: a line runs from its start pixel up to the
    // pixel before its end, in whichever direction it goes.
    const auto span = [](int from, int to) { return from <= to ? std::pair(from, to - from) : std::pair(to + 1, from - to); };
    Line line{{}, {}, colour, rect()};
    if (ay == by) {
        const auto [start, length] = span(ax, bx);
        line.pixels = QRect(start, ay, length, 1);
    } else if (ax == bx) {
        const auto [start, length] = span(ay, by);
        line.pixels = QRect(ax, start, 1, length);
    } else {
        line.diagonal = QLine(ax, ay, bx, by);
    }
    lines_.push_back(line);
    update();
}

void Form::paintLines(QPainter &p) const
{
    for (const Line &line : lines_) {
        if (!line.diagonal.isNull()) {
            p.save();
            p.setClipRect(line.kept, Qt::IntersectClip);
            p.setPen(line.colour);
            p.drawLine(line.diagonal);
            p.restore();
        } else if (!line.pixels.isEmpty()) {
            p.fillRect(line.pixels & line.kept, line.colour);
        }
    }
}

QImage Form::drawing() const
{
    const qreal dpr = devicePixelRatioF();
    QImage picture((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    paintLines(p);
    return picture;
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
    paintLines(p);
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    cutLines();
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
