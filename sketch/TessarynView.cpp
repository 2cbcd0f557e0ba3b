#include "sketch/TessarynView.h"

#include "sketch/TessarynDoc.h"
#include "ui/QtCanvas.h"
#include "ui/RecordingCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

Point clientPoint(const QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    return Point{p.x(), p.y()};
}

// size - x, computed wide and clamped: a drag far outside the window may reach any int.
int reflectIn(int size, int x)
{
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{size} - x, INT_MIN, INT_MAX));
}

} // namespace

CTessarynView::CTessarynView(CTessarynDoc *document, QWidget *parent)
    : QWidget(parent), m_document(document)
{
    // The image covers the whole client area, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_document) m_document->setUpdateHandler([this] { OnUpdate(); });
}

CTessarynView::~CTessarynView()
{
    if (m_document) m_document->setUpdateHandler({});
}

void CTessarynView::OnPaint(Canvas &canvas)
{
    if (!m_document) return;
    m_clientRect = Rect{0, 0, width(), height()};
    const Point centre{m_clientRect.right / 2, m_clientRect.bottom / 2};

    canvas.drawIcon(10, 10, StockIcon::Application);
    canvas.textOut(50, 2, kHint);
    canvas.textOut(centre.x - 8, centre.y - 8, u"╋");

    const SymmetryMode mode = m_document->symmetryMode();
    for (const auto &stroke : m_document->strokes()) {
        stroke->DrawStroke(canvas, kSymmetryNone);
        stroke->setMirrorCentre(centre);
        if (mode != kSymmetryNone) stroke->DrawStroke(canvas, mode);
    }
}

void CTessarynView::OnLButtonDown(Point p)
{
    if (!m_document) return;
    m_activeStroke = &m_document->AddStroke();
    m_activeStroke->appendPoint(p.x, p.y);
    m_capture = true;
    m_lastPoint = p;
}

void CTessarynView::OnMouseMove(Point p)
{
    if (!m_capture) return;
    m_activeStroke->appendPoint(p.x, p.y);
    drawOnClient([&](Canvas &canvas) {
        PenScope pen(canvas, m_document->drawPen());
        canvas.moveTo(m_lastPoint.x, m_lastPoint.y);
        canvas.lineTo(p.x, p.y);
        drawLiveMirror(canvas, m_lastPoint, p);
    });
    m_lastPoint = p;
}

void CTessarynView::OnLButtonUp(Point p)
{
    if (!m_capture) return;
    drawOnClient([&](Canvas &canvas) {
        drawFormulas(canvas);
        // The closing line only; its mirror image appears at the next repaint.
        PenScope pen(canvas, m_document->drawPen());
        canvas.moveTo(m_lastPoint.x, m_lastPoint.y);
        canvas.lineTo(p.x, p.y);
    });
    m_activeStroke->appendPoint(p.x, p.y);
    m_activeStroke = nullptr;
    m_capture = false;
}

// The live mirror reflects in the client size (W - x), while the repaint reflects about the
// truncated centre (2 * (W / 2) - x): for an odd width the two lie one pixel apart.
void CTessarynView::drawLiveMirror(Canvas &canvas, Point from, Point to) const
{
    const int w = m_clientRect.right;
    const int h = m_clientRect.bottom;
    switch (m_document->symmetryMode()) {
    case kSymmetryPoint:
        canvas.moveTo(reflectIn(w, from.x), reflectIn(h, from.y));
        canvas.lineTo(reflectIn(w, to.x), reflectIn(h, to.y));
        break;
    case kSymmetryLine:
        canvas.moveTo(reflectIn(w, from.x), from.y);
        canvas.lineTo(reflectIn(w, to.x), to.y);
        break;
    default:
        break;
    }
}

// The coordinate formula of the mirror, pointing the student to the linear-transformation lesson.
// The dotted axis stays at x = 320 whatever the width of the window.
void CTessarynView::drawFormulas(Canvas &canvas) const
{
    const SymmetryMode mode = m_document->symmetryMode();
    if (mode == kSymmetryNone) return;
    {
        FontScope brace(canvas, Font{48, 0, 0, u"MS Serif"});
        canvas.textOut(0, 58, u"{");
    }
    canvas.textOut(0, 110, u"cf.一次変換");
    if (mode == kSymmetryPoint) {
        canvas.textOut(20, 60, u"x'=-x");
        canvas.textOut(20, 80, u"y'=-y");
    } else if (mode == kSymmetryLine) {
        canvas.textOut(20, 60, u"x'=-x");
        canvas.textOut(20, 80, u"y'=y");
        PenScope dotted(canvas, Pen{PenStyle::Dot, 1, Colors::Black});
        canvas.moveTo(320, 0);
        canvas.lineTo(320, 600);
    }
}

void CTessarynView::dragAlong(const std::vector<Point> &points)
{
    if (points.empty()) return;
    OnLButtonDown(points.front());
    for (std::size_t i = 1; i + 1 < points.size(); ++i)
        OnMouseMove(points[i]);
    OnLButtonUp(points.back());
}

void CTessarynView::OnUpdate()
{
    if (m_activeStroke && m_document) {
        const auto &strokes = m_document->strokes();
        const bool alive = std::any_of(strokes.begin(), strokes.end(),
                                       [this](const auto &s) { return s.get() == m_activeStroke; });
        if (!alive) {
            m_activeStroke = nullptr;
            m_capture = false;
        }
    }
    invalidate();
}

void CTessarynView::invalidate()
{
    m_paintPending = true;
    update();
}

void CTessarynView::flushPaint()
{
    repaintIfPending();
}

bool CTessarynView::repaintIfPending()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_paintPending = true;
    }
    if (!m_paintPending) return false;
    m_paintPending = false;
    m_clientRect = Rect{0, 0, width(), height()};
    paintFromDocument(m_clientRect);
    return true;
}

void CTessarynView::paintFromDocument(const Rect &area)
{
    if (m_image.isNull()) return;
    // The background too is drawn through the canvas, which writes it straight into the image; so
    // are the strokes, by the scan-line walk rather than antialiased.
    QtCanvas canvas(m_image);
    canvas.setAntialiasedLines(false);
    ClipScope clip(canvas, area);
    canvas.fillRect(Rect{0, 0, width(), height()}, kBackground);
    OnPaint(canvas);
}

const QImage &CTessarynView::surface()
{
    flushPaint();
    return m_image;
}

std::vector<std::string> CTessarynView::recordPaint()
{
    RecordingCanvas canvas(Size{width(), height()});
    OnPaint(canvas);
    return canvas.lines();
}

void CTessarynView::drawOnClient(const std::function<void(Canvas &)> &draw)
{
    if (m_clientSink) {
        RecordingCanvas canvas(Size{width(), height()}, m_clientSink);
        draw(canvas);
        return;
    }
    flushPaint();
    if (m_image.isNull()) return;
    {
        QtCanvas canvas(m_image);
        canvas.setAntialiasedLines(false);
        draw(canvas);
    }
    // The next paint event only brings this to the screen; it does not draw the document over it.
    m_feedback = QRegion(rect());
    update();
}

void CTessarynView::paintEvent(QPaintEvent *event)
{
    // Every paint event (an uncover, a resize, any other) draws the document again, except where
    // it merely shows what the mouse handlers drew since the last one.
    const QRegion fromDocument = event->region() - m_feedback;
    m_feedback = QRegion();
    if (!repaintIfPending() && !fromDocument.isEmpty()) {
        const QRect r = fromDocument.boundingRect();
        paintFromDocument(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_image);
}

void CTessarynView::resizeEvent(QResizeEvent *event)
{
    invalidate();
    QWidget::resizeEvent(event);
}

void CTessarynView::mousePressEvent(QMouseEvent *event)
{
    // Qt sends every move to the widget that took the press until the button is released, even
    // outside the window: that grab holds the mouse for the stroke.
    if (event->button() == Qt::LeftButton && !m_capture)
        OnLButtonDown(clientPoint(event));
    else
        QWidget::mousePressEvent(event);
}

void CTessarynView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_capture)
        OnMouseMove(clientPoint(event));
    else
        QWidget::mouseMoveEvent(event);
}

void CTessarynView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_capture)
        OnLButtonUp(clientPoint(event));
    else
        QWidget::mouseReleaseEvent(event);
}
