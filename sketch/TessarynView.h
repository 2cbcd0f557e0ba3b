#pragma once

#include "sketch/Stroke.h"
#include "ui/Canvas.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class CTessarynDoc;

/// The client of the main window: a blank canvas on which the student draws freehand strokes with
/// the left mouse button. Every stroke goes into the document as it is drawn; with a symmetry mode
/// set, each stroke is also shown mirrored about the centre of the client area.
///
/// The view keeps a backing image of its client area at the screen's device pixel ratio. Every
/// paint event draws the document's stroke list into it again (the image is never the document);
/// the lines drawn while the mouse moves and the formulas shown on release go into the same image
/// and stay until the next paint event that is not merely bringing them to the screen.
class CTessarynView : public QWidget
{
    Q_OBJECT

public:
    /// Shows `document` (not owned; it must outlive the view), or nothing when it is null. The view
    /// takes the document's update handler: each UpdateAllViews repaints it.
    explicit CTessarynView(CTessarynDoc *document, QWidget *parent = nullptr);
    ~CTessarynView() override;

    CTessarynDoc *GetDocument() const { return m_document; }

    /// The hint drawn at the top of the canvas.
    static constexpr std::u16string_view kHint =
        u"絵をかくには、マウスをドラッグする。(「絵かき」で選択）";
    /// The background of the client area, the window colour.
    static constexpr Rgb kBackground = Colors::White;

    /// The whole picture: the application icon at (10, 10), the hint, the centre mark, then every
    /// stroke and, unless the symmetry mode is 0, its mirror image about the centre.
    void OnPaint(Canvas &canvas);

    /// Left button down at `p` (client pixels): starts a stroke in the document and holds the
    /// mouse until the button is released.
    void OnLButtonDown(Point p);
    /// Mouse move while the button is held: appends `p`, draws the line to it and its live mirror.
    /// Ignored while the view does not hold the mouse.
    void OnMouseMove(Point p);
    /// Left button up: the closing line and, in a symmetry mode, the coordinate formulas; then the
    /// mouse is released. Ignored while the view does not hold the mouse.
    void OnLButtonUp(Point p);
    /// Whether a stroke is being drawn (the view holds the mouse).
    bool hasCapture() const { return m_capture; }

    /// A button-down at the first point, moves through the points between, a button-up at the last
    /// (one point: a click).
    void dragAlong(const std::vector<Point> &points);

    /// Asks for a full repaint; it happens at the next paint event or flushPaint().
    void invalidate();
    /// Carries out a pending repaint now.
    void flushPaint();
    /// The backing image of the client area, after any pending repaint.
    const QImage &surface();
    /// Runs OnPaint on a RecordingCanvas of the client size, as a full repaint, and returns its
    /// lines.
    std::vector<std::string> recordPaint();
    /// While set, the drawing of the mouse handlers is recorded into this list instead of going
    /// into the image (tests of the live feedback).
    void recordClientDrawing(std::vector<std::string> *sink) { m_clientSink = sink; }

    /// The client rectangle taken at the start of the last repaint.
    const Rect &clientRect() const { return m_clientRect; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    /// Runs `draw` on a canvas over the current image (or the recording sink) and shows the result.
    void drawOnClient(const std::function<void(Canvas &)> &draw);
    /// Makes the image fit the client size and the device pixel ratio, and carries out a pending
    /// full repaint; true when it repainted.
    bool repaintIfPending();
    /// Draws background and document into the image, changing only the pixels inside `area`.
    void paintFromDocument(const Rect &area);
    /// The document's strokes changed wholesale (New, Open, 画面クリア): a stroke being drawn may
    /// be gone, so the drag ends, and the picture is rebuilt.
    void OnUpdate();
    void drawLiveMirror(Canvas &canvas, Point from, Point to) const;
    void drawFormulas(Canvas &canvas) const;

    CTessarynDoc *m_document = nullptr;
    CStroke *m_activeStroke = nullptr; ///< owned by the document
    Point m_lastPoint;
    Rect m_clientRect;
    bool m_capture = false;
    QImage m_image;
    bool m_paintPending = true;
    QRegion m_feedback; ///< drawn by the mouse handlers, not yet on the screen
    std::vector<std::string> *m_clientSink = nullptr;
};
