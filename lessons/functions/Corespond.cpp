#include "lessons/functions/Corespond.h"

#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <algorithm>

namespace {

// Rows of the table: the lines at 18, 40 and 62 frame the x row and the y row.
constexpr int kTop = 18;
constexpr int kMiddle = 40;
constexpr int kBottom = 62;
constexpr int kLeft = 20;
constexpr int kHeaderRight = 46;
constexpr int kColumnWidth = 72;

} // namespace

CCorespond::CCorespond(QWidget *parent) : LessonWindow(kTemplateCorespond, parent)
{
    onScroll(kScrollBarId, [this](ScrollAction action, int thumb) { OnHScroll(action, thumb); });
}

void CCorespond::OnInitDialog()
{
    OnCreate();
}

void CCorespond::OnCreate()
{
    m_scrollPos = 0;
    setScrollRange(kScrollBarId, 0, 1);
    setScrollPos(kScrollBarId, 0);
}

void CCorespond::SetData(const CorrespondencePoints &points)
{
    m_count = std::clamp(points.m_tableCount, 0, CorrespondencePoints::kCapacity);
    std::copy_n(points.m_tableX.begin(), m_count, m_x.begin());
    std::copy_n(points.m_tableY.begin(), m_count, m_y.begin());
    std::copy_n(points.m_tableDefined.begin(), m_count, m_defined.begin());
}

void CCorespond::OnHScroll(ScrollAction action, int thumb)
{
    int pos = m_scrollPos;
    switch (action) {
    case ScrollAction::LineLeft:
    case ScrollAction::PageLeft:
    case ScrollAction::Left:
        pos = std::max(pos - 1, 0);
        break;
    case ScrollAction::LineRight:
    case ScrollAction::PageRight:
    case ScrollAction::Right:
        pos = std::min(pos + 1, 1);
        break;
    case ScrollAction::ThumbTrack:
    case ScrollAction::ThumbPosition:
        pos = std::clamp(thumb, 0, 1);
        break;
    case ScrollAction::EndScroll:
        break;
    }
    if (pos == m_scrollPos) return;
    m_scrollPos = pos;
    setScrollPos(kScrollBarId, pos);
    invalidate(true);
}

void CCorespond::OnPaint(Canvas &canvas)
{
    canvas.fillRect(clientRect(), Colors::White);
    // Scrolled to the right, the first third of the pairs is skipped.
    const int first = m_scrollPos == 0 ? 0 : m_count / 3;
    const int shown = m_count - first;
    const int right = kColumnWidth * shown + kHeaderRight;
    for (const int y : {kTop, kMiddle, kBottom}) {
        canvas.moveTo(kLeft, y);
        canvas.lineTo(right, y);
    }
    for (const int x : {kLeft, kHeaderRight}) {
        canvas.moveTo(x, kTop);
        canvas.lineTo(x, kBottom);
    }
    canvas.textOut(30, 20, u"X");
    canvas.textOut(30, 42, u"Y");
    for (int k = 0; k < shown; ++k)
        drawColumn(canvas, k, first + k);
    FontScope gothic(canvas, Font{14, 800, 128, u"ＭＳ　ゴシック"});
    canvas.textOut(30, 64, u"Ｙの値は「数と式」の「式の値」を参照してください。");
}

void CCorespond::drawColumn(Canvas &canvas, int column, int pair)
{
    const int x = kColumnWidth * column + 118;
    canvas.moveTo(x, kTop);
    canvas.lineTo(x, kBottom);
    // Both values end 2 pixels left of the column's right line.
    std::u16string text = formatText(u"%5.2f", m_x[pair]);
    cutToCapacity(text, 31);
    canvas.textOut(x - 2 - canvas.textExtent(text).cx, 20, text);
    if (m_defined[pair]) {
        text = formatText(u"%5.2f", m_y[pair]);
        cutToCapacity(text, 31);
    } else {
        text = u"－  ";
    }
    canvas.textOut(x - 2 - canvas.textExtent(text).cx, 42, text);
}
