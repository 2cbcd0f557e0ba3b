#include "ui/LessonWindow.h"

#include "ui/ChildSurface.h"
#include "ui/DialogControls.h"
#include "ui/FontMap.h"
#include "ui/QtCanvas.h"
#include "ui/QtText.h"
#include "ui/RecordingCanvas.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace {

std::u16string fromQString(const QString &text)
{
    return text.toStdU16String();
}

LessonWindow::ModalHook &modalHook()
{
    static LessonWindow::ModalHook hook;
    return hook;
}

LessonWindow::PopupHook &popupHook()
{
    static LessonWindow::PopupHook hook;
    return hook;
}

LessonWindow::FocusHook &focusHook()
{
    static LessonWindow::FocusHook hook;
    return hook;
}

Rect unite(const Rect &a, const Rect &b)
{
    if (a.isEmpty()) return b;
    if (b.isEmpty()) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

} // namespace

LessonWindow::LessonWindow(const DialogTemplate &dialogTemplate, QWidget *parent)
    : QDialog(parent), m_template(dialogTemplate),
      m_scale(dialogUnitScale(dialogTemplate.fontFace, dialogTemplate.fontPoints))
{
    m_clientSize = Size{m_scale.toPixels(m_template.cx), m_scale.toPixels(m_template.cy)};
    setWindowTitle(toQString(m_template.caption));
    setFixedSize(m_clientSize.cx, m_clientSize.cy);
    setFont(dialogFont(m_template.fontFace, m_template.fontPoints));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    fitImage();
    createControls();
}

LessonWindow::~LessonWindow() = default;

void LessonWindow::createControls()
{
    std::map<int, QButtonGroup *> groups;
    for (const ControlTemplate &control : m_template.controls) {
        QWidget *widget = createDialogControl(control, this);
        connectControl(control, widget);
        // A drop-down list's template height is that of its open list; closed, it is one line
        // high in the dialog's font.
        const int height = control.kind == ControlKind::ComboBox
                               ? widget->sizeHint().height()
                               : m_scale.toPixels(control.rect.cy);
        widget->setGeometry(m_scale.toPixels(control.rect.x), m_scale.toPixels(control.rect.y),
                            m_scale.toPixels(control.rect.cx), height);
        if (control.kind == ControlKind::GroupBox) widget->lower();
        if (control.kind == ControlKind::AutoRadioButton && control.group != 0) {
            QButtonGroup *&group = groups[control.group];
            if (!group) group = new QButtonGroup(this);
            group->addButton(static_cast<QAbstractButton *>(widget));
        }
        if (control.id != -1) {
            m_controls[control.id] = widget;
            widget->installEventFilter(this);
        }
    }
}

void LessonWindow::connectControl(const ControlTemplate &control, QWidget *widget)
{
    const int id = control.id;
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        connect(edit, &QLineEdit::returnPressed, this, [this] {
            // Enter in a field presses the default button, as in a classic dialog.
            for (auto &[cid, w] : m_controls) {
                if (auto *b = qobject_cast<QPushButton *>(w); b && b->isDefault()) {
                    runCommand(cid);
                    return;
                }
            }
        });
    } else if (auto *push = qobject_cast<QPushButton *>(widget)) {
        connect(push, &QPushButton::clicked, this, [this, id] { runCommand(id); });
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        const bool automatic = control.kind == ControlKind::AutoRadioButton ||
                               control.kind == ControlKind::AutoCheckBox;
        connect(button, &QAbstractButton::clicked, this, [this, id, button, automatic] {
            // A plain button keeps its state: the window's handler sets it.
            if (!automatic) {
                const QSignalBlocker blocker(button);
                button->setChecked(!button->isChecked());
            }
            runCommand(id);
        });
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        connect(combo, &QComboBox::activated, this, [this, id](int) { runCommand(id); });
    } else if (auto *bar = qobject_cast<QScrollBar *>(widget)) {
        connect(bar, &QScrollBar::actionTriggered, this, [this, id, bar](int action) {
            const ScrollAction scroll = toScrollAction(action);
            const int track = bar->sliderPosition();
            if (auto it = m_scrollHandlers.find(id); it != m_scrollHandlers.end())
                it->second(scroll, track);
            // The bar shows only the position that the handler set.
            bar->setSliderPosition(m_scrollPositions[id]);
        });
    }
}

int LessonWindow::DoModal()
{
    initialize();
    if (modalHook()) return modalHook()(*this);
    return exec();
}

void LessonWindow::initialize()
{
    if (m_initialized) return;
    m_initialized = true;
    OnInitDialog();
    invalidate(true);
}

void LessonWindow::showEvent(QShowEvent *event)
{
    initialize();
    QDialog::showEvent(event);
}

Rect LessonWindow::controlRect(int id) const
{
    const QWidget *widget = control(id);
    if (!widget) return Rect{};
    const QRect r = widget->geometry();
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void LessonWindow::invalidate(bool erase)
{
    invalidateRect(clientRect(), erase);
}

void LessonWindow::invalidateRect(const Rect &rect, bool erase)
{
    m_pendingRect = m_paintPending ? unite(m_pendingRect, rect) : rect;
    m_paintPending = true;
    m_erasePending = m_erasePending || erase;
    update(QRect(rect.left, rect.top, rect.width(), rect.height()));
}

qreal LessonWindow::surfaceRatio() const
{
    return m_surfaceRatio > 0 ? m_surfaceRatio : devicePixelRatioF();
}

void LessonWindow::setSurfaceRatio(qreal ratio)
{
    m_surfaceRatio = std::max<qreal>(ratio, 0);
    fitImage();
}

void LessonWindow::fitImage()
{
    const qreal ratio = surfaceRatio();
    const QSize pixels = (QSizeF(m_clientSize.cx, m_clientSize.cy) * ratio).toSize();
    if (m_image.size() == pixels && m_image.devicePixelRatio() == ratio) return;
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    eraseImage(m_image, kBackground);
    // Nothing of the old picture carries over: the next repaint draws all of it.
    if (m_initialized) invalidate(true);
}

void LessonWindow::flushPaint()
{
    fitImage(); // the window may have moved to a screen of another pixel ratio
    if (!m_paintPending) return;
    const Rect rect = m_pendingRect;
    const bool erase = m_erasePending;
    m_paintPending = false;
    m_erasePending = false;
    const QRect area(rect.left, rect.top, rect.width(), rect.height());
    const bool partial = !area.contains(QRect(0, 0, m_clientSize.cx, m_clientSize.cy));
    // A partial repaint paints the whole figure but keeps the pixels outside the rectangle, as the
    // classic update region clips the paint.
    const QImage before = partial ? m_image.copy() : QImage();
    if (erase) eraseImage(m_image, kBackground);
    {
        QtCanvas canvas(m_image);
        OnPaint(canvas);
    }
    if (partial) {
        QImage painted = m_image;
        m_image = before;
        QPainter painter(&m_image);
        const qreal ratio = m_image.devicePixelRatio();
        const QRectF source(area.left() * ratio, area.top() * ratio, area.width() * ratio,
                            area.height() * ratio);
        painter.drawImage(QPointF(area.topLeft()), painted, source);
    }
}

const QImage &LessonWindow::surface()
{
    flushPaint();
    return m_image;
}

void LessonWindow::paintEvent(QPaintEvent *)
{
    flushPaint();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_image);
}

std::vector<std::string> LessonWindow::recordPaint()
{
    std::vector<std::string> lines;
    RecordingCanvas canvas(m_clientSize, &lines);
    m_recordSink = &lines;
    OnPaint(canvas);
    m_recordSink = nullptr;
    return lines;
}

SurfaceCanvas LessonWindow::clientCanvas()
{
    if (m_clientSink)
        return SurfaceCanvas(std::make_unique<RecordingCanvas>(m_clientSize, m_clientSink), {});
    flushPaint();
    return SurfaceCanvas(std::make_unique<QtCanvas>(m_image), [this] { update(); });
}

SurfaceCanvas LessonWindow::controlCanvas(int id, bool erase)
{
    const Rect r = controlRect(id);
    const Size size{r.width(), r.height()};
    if (m_recordSink) {
        std::vector<std::string> *sink = m_recordSink;
        sink->push_back("surface " + std::to_string(id));
        return SurfaceCanvas(std::make_unique<RecordingCanvas>(size, sink),
                             [sink] { sink->push_back("surface client"); });
    }
    auto *surface = dynamic_cast<ChildSurface *>(control(id));
    if (!surface) {
        // No child surface: draw into nothing rather than onto the client area.
        return SurfaceCanvas(std::make_unique<RecordingCanvas>(size), {});
    }
    QImage &image = surface->image(surfaceRatio());
    if (erase) eraseImage(image, Colors::White);
    return SurfaceCanvas(std::make_unique<QtCanvas>(image), [surface] { surface->update(); });
}

QWidget *LessonWindow::control(int id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

std::u16string LessonWindow::controlText(int id, int maxChars) const
{
    QString text;
    const QWidget *widget = control(id);
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        text = edit->text();
    else if (auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (auto *combo = qobject_cast<const QComboBox *>(widget))
        text = combo->currentText();
    else if (auto *group = qobject_cast<const QGroupBox *>(widget))
        text = group->title();
    std::u16string result = fromQString(text);
    if (maxChars >= 0 && result.size() > static_cast<std::size_t>(maxChars))
        result.resize(static_cast<std::size_t>(maxChars));
    return result;
}

void LessonWindow::setControlText(int id, std::u16string_view text)
{
    QWidget *widget = control(id);
    const QString q = toQString(text);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(q);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(q);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(q);
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        group->setTitle(q);
}

void LessonWindow::setCaption(std::u16string_view caption)
{
    setWindowTitle(toQString(caption));
}

void LessonWindow::focusControl(int id)
{
    QWidget *widget = control(id);
    if (!widget) return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) edit->selectAll();
    noteFocus(id);
    if (focusHook()) focusHook()(id);
}

void LessonWindow::noteFocus(int id)
{
    m_focusId = id;
}

void LessonWindow::enableControl(int id, bool enable)
{
    if (QWidget *widget = control(id)) widget->setEnabled(enable);
}

bool LessonWindow::isControlEnabled(int id) const
{
    const QWidget *widget = control(id);
    return widget && widget->isEnabled();
}

void LessonWindow::showControl(int id, bool show)
{
    if (QWidget *widget = control(id)) widget->setVisible(show);
}

int LessonWindow::checkState(int id) const
{
    auto *button = qobject_cast<const QAbstractButton *>(control(id));
    return button && button->isChecked() ? 1 : 0;
}

void LessonWindow::setCheckState(int id, int state)
{
    auto *button = qobject_cast<QAbstractButton *>(control(id));
    if (!button) return;
    if (!button->isCheckable()) button->setCheckable(true);
    const QSignalBlocker blocker(button);
    button->setChecked(state != 0);
}

void LessonWindow::clearComboEntries(int id)
{
    if (auto *combo = qobject_cast<QComboBox *>(control(id))) combo->clear();
}

void LessonWindow::addComboEntry(int id, std::u16string_view text)
{
    if (auto *combo = qobject_cast<QComboBox *>(control(id))) {
        const QSignalBlocker blocker(combo);
        const int selected = combo->currentIndex();
        combo->addItem(toQString(text));
        // A classic drop-down list has no selection until one is set.
        combo->setCurrentIndex(selected);
    }
}

int LessonWindow::comboCount(int id) const
{
    auto *combo = qobject_cast<const QComboBox *>(control(id));
    return combo ? combo->count() : 0;
}

std::u16string LessonWindow::comboEntry(int id, int index) const
{
    auto *combo = qobject_cast<const QComboBox *>(control(id));
    if (!combo || index < 0 || index >= combo->count()) return {};
    return fromQString(combo->itemText(index));
}

int LessonWindow::comboSelection(int id) const
{
    auto *combo = qobject_cast<const QComboBox *>(control(id));
    return combo ? combo->currentIndex() : -1;
}

void LessonWindow::setComboSelection(int id, int index)
{
    if (auto *combo = qobject_cast<QComboBox *>(control(id))) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

void LessonWindow::setScrollRange(int id, int minimum, int maximum)
{
    if (auto *bar = qobject_cast<QScrollBar *>(control(id))) {
        const QSignalBlocker blocker(bar);
        bar->setRange(minimum, maximum);
        bar->setPageStep(1);
    }
}

int LessonWindow::scrollPos(int id) const
{
    const auto it = m_scrollPositions.find(id);
    return it == m_scrollPositions.end() ? 0 : it->second;
}

void LessonWindow::setScrollPos(int id, int pos)
{
    if (auto *bar = qobject_cast<QScrollBar *>(control(id))) {
        const QSignalBlocker blocker(bar);
        pos = std::clamp(pos, bar->minimum(), bar->maximum());
        bar->setValue(pos);
        bar->setSliderPosition(pos);
    }
    m_scrollPositions[id] = pos;
}

bool LessonWindow::pressButton(int id)
{
    auto *button = qobject_cast<QAbstractButton *>(control(id));
    if (!button) return false;
    if (!button->isEnabled()) return true; // a disabled button takes no click
    button->click();
    return true;
}

bool LessonWindow::selectComboEntry(int id, int index)
{
    auto *combo = qobject_cast<QComboBox *>(control(id));
    if (!combo || index < 0 || index >= combo->count()) return false;
    combo->setCurrentIndex(index);
    runCommand(id);
    return true;
}

bool LessonWindow::scrollTo(int id, int pos)
{
    return sendScroll(id, ScrollAction::ThumbPosition, pos);
}

bool LessonWindow::sendScroll(int id, ScrollAction action, int pos)
{
    if (!qobject_cast<QScrollBar *>(control(id))) return false;
    if (auto it = m_scrollHandlers.find(id); it != m_scrollHandlers.end()) it->second(action, pos);
    return true;
}

void LessonWindow::clickAt(Point p)
{
    m_leftDown = true;
    OnLButtonDown(p);
    m_leftDown = false;
    OnLButtonUp(p);
}

void LessonWindow::dragAlong(const std::vector<Point> &points)
{
    if (points.empty()) return;
    m_leftDown = true;
    OnLButtonDown(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        OnMouseMove(points[i], true);
    m_leftDown = false;
    OnLButtonUp(points.back());
}

int LessonWindow::messageBox(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                             std::u16string_view caption)
{
    return showMessageBox(this, text, buttons, icon, caption);
}

LessonWindow::ModalHook LessonWindow::setModalHook(ModalHook hook)
{
    ModalHook previous = std::move(modalHook());
    modalHook() = std::move(hook);
    return previous;
}

LessonWindow::PopupHook LessonWindow::setPopupHook(PopupHook hook)
{
    PopupHook previous = std::move(popupHook());
    popupHook() = std::move(hook);
    return previous;
}

LessonWindow::FocusHook LessonWindow::setFocusHook(FocusHook hook)
{
    FocusHook previous = std::move(focusHook());
    focusHook() = std::move(hook);
    return previous;
}

void LessonWindow::onCommand(int id, std::function<void()> handler)
{
    m_commands[id] = std::move(handler);
}

void LessonWindow::onScroll(int id, std::function<void(ScrollAction, int)> handler)
{
    m_scrollHandlers[id] = std::move(handler);
}

void LessonWindow::showOwnedWindow(QWidget &window)
{
    if (popupHook()) {
        popupHook()(window);
        return;
    }
    window.show();
    window.raise();
}

void LessonWindow::runCommand(int id)
{
    if (auto it = m_commands.find(id); it != m_commands.end()) {
        it->second();
        return;
    }
    if (id == 1) done(1);
}

void LessonWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        OnLButtonDown(Point{p.x(), p.y()});
    } else if (event->button() == Qt::RightButton) {
        OnRButtonDown(Point{p.x(), p.y()});
    }
    QDialog::mousePressEvent(event);
}

void LessonWindow::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_leftDown) {
        m_leftDown = false;
        OnLButtonUp(Point{p.x(), p.y()});
    }
    QDialog::mouseReleaseEvent(event);
}

void LessonWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    OnMouseMove(Point{p.x(), p.y()}, m_leftDown);
    QDialog::mouseMoveEvent(event);
}

bool LessonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (const auto &[id, widget] : m_controls) {
            if (widget == watched) noteFocus(id);
        }
    }
    return QDialog::eventFilter(watched, event);
}
