#pragma once

#include "ui/Canvas.h"
#include "ui/DialogTemplate.h"
#include "ui/MessageBox.h"
#include "ui/SurfaceCanvas.h"

#include <QDialog>
#include <QImage>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

/// The classic scroll-bar requests, as a window's scroll handler receives them.
enum class ScrollAction
{
    LineLeft,
    LineRight,
    PageLeft,
    PageRight,
    Left,
    Right,
    ThumbTrack,
    ThumbPosition,
    EndScroll
};

/// A modal lesson window built from a dialog template, whose client area carries the lesson's
/// figure.
///
/// A lesson class writes only `OnInitDialog` (layout units, initial texts and members), handlers
/// bound to control ids with `onCommand` (read inputs, validate, store members, `invalidate`),
/// `OnPaint` (the whole figure, from members) and, where it takes clicks, the mouse handlers. The
/// base class owns a backing image of the client area: a repaint request erases it (or a rectangle
/// of it) when asked, runs `OnPaint` on it, and shows it under the child controls.
class LessonWindow : public QDialog
{
    Q_OBJECT

public:
    explicit LessonWindow(const DialogTemplate &dialogTemplate, QWidget *parent = nullptr);
    ~LessonWindow() override;

    const DialogTemplate &dialogTemplate() const { return m_template; }

    /// Runs the window modally (or hands it to the installed modal hook) and returns its result.
    int DoModal();
    /// Runs `OnInitDialog` once; called before the window is first shown, and by tests.
    void initialize();
    bool isInitialized() const { return m_initialized; }

    /// Sets the circle constant(s); the launcher calls it before the window is shown.
    virtual void setCircleConstant(double value) { m_circleConstant = value; }
    double circleConstant() const { return m_circleConstant; }
    /// The mode flag of classes that serve two lessons (0 or 1), preset by the launcher.
    virtual void setModeFlag(std::int16_t flag) { m_modeFlag = flag; }
    std::int16_t modeFlag() const { return m_modeFlag; }

    /// Client area in pixels (the template size through the dialog-unit table).
    Size clientSize() const { return m_clientSize; }
    Rect clientRect() const { return Rect{0, 0, m_clientSize.cx, m_clientSize.cy}; }
    /// Rectangle of a control in client pixels.
    Rect controlRect(int id) const;
    /// Converts dialog units to pixels with this template's font.
    int dialogUnitsToPixels(int units) const { return m_scale.toPixels(units); }

    // Repainting.
    /// Asks for a repaint of the whole client area, with or without erasing it first.
    void invalidate(bool erase = true);
    /// Asks for a repaint of a rectangle only.
    void invalidateRect(const Rect &rect, bool erase = true);
    /// Carries out a pending repaint now (the paint event does this too).
    void flushPaint();
    /// The backing image of the client area (after any pending repaint), at the device pixel ratio
    /// of `surfaceRatio()`: its pixels are that many times finer than client pixels.
    const QImage &surface();
    /// Image pixels per client pixel of the backing images: the screen's device pixel ratio unless
    /// set by `setSurfaceRatio`. Figures are drawn in client pixels whatever it is.
    qreal surfaceRatio() const;
    /// Paints the backing images at `ratio` instead of the screen's device pixel ratio (0 follows
    /// the screen again): exports at a chosen resolution, and tests. Repaints the whole window.
    void setSurfaceRatio(qreal ratio);
    /// Runs `OnPaint` on a RecordingCanvas, as a full repaint, and returns its lines; child
    /// surfaces appear as "surface ID" ... "surface client".
    std::vector<std::string> recordPaint();
    /// Runs `OnPaint` on `canvas`, as a full repaint (vector export at the client size); child
    /// surfaces are drawn into their own images as on the screen.
    void paintOn(Canvas &canvas) { OnPaint(canvas); }
    /// A canvas on the client area for drawing in mouse handlers; it stays until the next repaint.
    SurfaceCanvas clientCanvas();
    /// A canvas on the child drawing surface of a black-frame control, sized to the control; call
    /// it from `OnPaint`. With `erase` the surface is cleared white first.
    SurfaceCanvas controlCanvas(int id, bool erase = true);
    /// While set, `clientCanvas()` records into this list instead of drawing (tests of mouse
    /// feedback).
    void recordClientDrawing(std::vector<std::string> *sink) { m_clientSink = sink; }

    // Controls, by id.
    QWidget *control(int id) const;
    bool hasControl(int id) const { return control(id) != nullptr; }
    /// The text of an edit field, static, button or combo box, cut at `maxChars` characters.
    std::u16string controlText(int id, int maxChars = 1024) const;
    void setControlText(int id, std::u16string_view text);
    /// Replaces the template's caption (lessons whose caption follows their mode flag).
    void setCaption(std::u16string_view caption);
    void focusControl(int id);
    /// The id of the control that has the keyboard focus (or last received it), or 0.
    int focusedControl() const { return m_focusId; }
    void enableControl(int id, bool enable);
    bool isControlEnabled(int id) const;
    void showControl(int id, bool show);
    /// Check state of a check box or radio button: 0 unchecked, 1 checked.
    int checkState(int id) const;
    void setCheckState(int id, int state);
    void clearComboEntries(int id);
    void addComboEntry(int id, std::u16string_view text);
    int comboCount(int id) const;
    std::u16string comboEntry(int id, int index) const;
    int comboSelection(int id) const;
    void setComboSelection(int id, int index);
    void setScrollRange(int id, int minimum, int maximum);
    int scrollPos(int id) const;
    void setScrollPos(int id, int pos);

    // Input as the user gives it; tests and the render tool drive windows through these.
    /// Clicks a push button, check box or radio button (as the user would). False for an unknown
    /// id.
    bool pressButton(int id);
    /// Picks a combo entry as the user would (the selection-change handler runs).
    bool selectComboEntry(int id, int index);
    /// Moves a scroll bar's thumb as the user would (the scroll handler gets ThumbPosition).
    bool scrollTo(int id, int pos);
    /// Sends a scroll request to a scroll bar's handler.
    bool sendScroll(int id, ScrollAction action, int pos = 0);
    void clickAt(Point p);
    void dragAlong(const std::vector<Point> &points);

    /// Shows a message box owned by this window through the replaceable message function.
    int messageBox(std::u16string_view text, MessageButtons buttons = MessageButtons::Ok,
                   MessageIcon icon = MessageIcon::None, std::u16string_view caption = u"Tessaryn");

    /// Installed by tools and tests: runs instead of a modal loop (e.g. to drive a drill window
    /// that a lesson opens); returns the result `DoModal` gives back.
    using ModalHook = std::function<int(LessonWindow &)>;
    static ModalHook setModalHook(ModalHook hook);
    /// Installed by tools and tests: told when a window shows an owned non-modal window.
    using PopupHook = std::function<void(QWidget &)>;
    static PopupHook setPopupHook(PopupHook hook);
    /// Installed by tools: told when an event moves the keyboard focus to a control.
    using FocusHook = std::function<void(int id)>;
    static FocusHook setFocusHook(FocusHook hook);

    /// The background colour of dialog client areas.
    static constexpr Rgb kBackground = 0xF0F0F0;

protected:
    virtual void OnInitDialog() {}
    virtual void OnPaint(Canvas &canvas) { (void)canvas; }
    virtual void OnLButtonDown(Point p) { (void)p; }
    virtual void OnLButtonUp(Point p) { (void)p; }
    /// Mouse moves; `leftDown` tells whether the left button is held (the window has the capture).
    virtual void OnMouseMove(Point p, bool leftDown)
    {
        (void)p;
        (void)leftDown;
    }
    virtual void OnRButtonDown(Point p) { (void)p; }

    /// Binds a handler to a control: a button click, a check box or radio click, or a combo box
    /// selection change. Button 1 closes the window unless a handler is bound to it.
    void onCommand(int id, std::function<void()> handler);
    /// Binds a scroll handler to a scroll bar. The bar moves only when the handler calls
    /// setScrollPos.
    void onScroll(int id, std::function<void(ScrollAction, int)> handler);
    /// Shows an owned non-modal window (the correspondence table), or hands it to the popup hook.
    void showOwnedWindow(QWidget &window);

    double m_circleConstant = 3.1415926535;
    std::int16_t m_modeFlag = 0;

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControl(const ControlTemplate &control, QWidget *widget);
    void runCommand(int id);
    void noteFocus(int id);
    /// Gives the backing image the client size at the current surface ratio; a new image asks for a
    /// full repaint.
    void fitImage();

    const DialogTemplate &m_template;
    DialogUnitScale m_scale;
    Size m_clientSize;
    QImage m_image;
    qreal m_surfaceRatio = 0; ///< 0: the screen's device pixel ratio
    bool m_initialized = false;
    bool m_paintPending = false;
    bool m_erasePending = false;
    Rect m_pendingRect;
    int m_focusId = 0;
    bool m_leftDown = false;
    std::map<int, QWidget *> m_controls;
    std::map<int, std::function<void()>> m_commands;
    std::map<int, std::function<void(ScrollAction, int)>> m_scrollHandlers;
    std::map<int, int> m_scrollPositions;
    std::vector<std::string> *m_recordSink = nullptr;
    std::vector<std::string> *m_clientSink = nullptr;
};
