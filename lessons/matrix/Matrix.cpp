#include "lessons/matrix/Matrix.h"

#include "drill/Drill.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/MatrixDrawing.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <array>
#include <optional>

namespace {

constexpr int kStartId = 104;
constexpr int kDrillId = 133;
constexpr int kOperationId = 161;
constexpr int kFieldA11 = 113;
constexpr int kFieldB12 = 118;
constexpr int kFieldB22 = 120;
/// The fields in the order of the members a11, a12, a21, a22, b11, b12, b21, b22.
constexpr std::array kFields = {113, 114, 115, 116, 117, 118, 119, 120};
/// Characters read from each field.
constexpr int kFieldChars = 5;
/// Characters a formatted row may hold.
constexpr std::size_t kRowCapacity = 63;

constexpr std::array<std::u16string_view, 8> kOperations = {
    u"選択して下さい。", u"実数倍 kA",   u"和     A+B",  u"差     A-B",
    u"積     AB",        u"転置行列 A'", u"逆行列 A^-1", u"固有値 A()=λ()",
};

constexpr std::u16string_view kNoInverse = u"逆行列は存在しません。";
constexpr Rgb kShadow = rgb(15, 15, 15);
constexpr Rgb kEmphasis = rgb(255, 0, 15);

template <typename... Args> std::u16string row(std::u16string_view format, const Args &...args)
{
    std::u16string text = formatText(format, args...);
    cutToCapacity(text, kRowCapacity);
    return text;
}

} // namespace

CMatrix::CMatrix(QWidget *parent) : LessonWindow(kTemplate105, parent)
{
    onCommand(kStartId, [this] { OnStart(m_operation); });
    onCommand(kOperationId, [this] { OnStart(comboSelection(kOperationId)); });
    onCommand(kDrillId, [this] {
        const std::int16_t topic =
            m_modeFlag == 1 ? DrillTopic::Simultaneous : DrillTopic::MatrixBasics;
        openDrill(*this, topic, m_modeFlag, m_circleConstant);
    });
}

void CMatrix::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

void CMatrix::OnInitDialog()
{
    m_metrics.setLayout(clientSize(), 40, 15, m_circleConstant);
    m_a = {};
    m_b = {};
    setControlText(113, u"1");
    setControlText(115, u"3");
    setControlText(116, u"4");
    setControlText(117, u"5");
    setControlText(119, u"7");
    if (m_modeFlag == 1) {
        setCaption(u"連立２元１次方程式");
        showControl(kFieldB12, false);
        showControl(kFieldB22, false);
        showControl(kOperationId, false);
        OnStart(0);
        return;
    }
    clearComboEntries(kOperationId);
    for (const std::u16string_view entry : kOperations)
        addComboEntry(kOperationId, entry);
    setComboSelection(kOperationId, 0);
}

bool CMatrix::OnStart(int operation)
{
    // Every field is read and checked before anything is stored, so a rejected one keeps the
    // whole previous figure (the operation included); the focus then goes to the first field.
    std::array<std::int64_t, kFields.size()> values{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const int id = kFields[i];
        if (m_modeFlag == 1 && (id == kFieldB12 || id == kFieldB22)) continue;
        const std::optional<std::int16_t> value = ReadMatrixEntry(controlText(id, kFieldChars));
        if (!value) {
            focusControl(kFieldA11);
            return false;
        }
        values[i] = *value;
    }
    m_a = {values[0], values[1], values[2], values[3]};
    m_b = {values[4], values[5], values[6], values[7]};
    m_operation =
        operation >= 0 && operation < static_cast<int>(kOperations.size()) ? operation : 0;
    invalidate(true);
    return true;
}

void CMatrix::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    drawInputBrackets(canvas);
    if (m_modeFlag == 1)
        paintSystem(canvas);
    else
        paintOperation(canvas);
}

void CMatrix::drawInputBrackets(Canvas &canvas)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    const int top = 2 * ch - 12;
    DrawParenthesisPair(canvas, 6 * cw, 17 * cw, top, 4 * ch, Colors::Black);
    DrawParenthesisPair(canvas, 24 * cw, (m_modeFlag == 1 ? 31 : 35) * cw, top, 4 * ch,
                        Colors::Black);
}

int CMatrix::drawMatrix(Canvas &canvas, int column, int row, std::u16string_view first,
                        std::u16string_view second)
{
    // The brackets take the colour of the text around them.
    return DrawMatrix(canvas, m_metrics, column, row, first, second, canvas.textColor());
}

int CMatrix::drawResultMatrix(Canvas &canvas, int column, int rowIndex, const Matrix2 &m)
{
    return drawMatrix(canvas, column, rowIndex, row(u"%3lld  %3lld", m.a11, m.a12),
                      row(u"%3lld  %3lld", m.a21, m.a22));
}

void CMatrix::drawInverseName(Canvas &canvas, std::u16string_view name, int x, int y)
{
    DrawSuperscript(name, canvas, m_metrics.m_unitY + 4, x, y, u"-1");
}

// Mode 1: A (x, y) = B, multiplied by the inverse of A from the left.

void CMatrix::paintSystem(Canvas &canvas)
{
    drawSystemHeading(canvas);
    TextColorScope blue(canvas, Colors::Blue);
    if (Determinant(m_a) != 0)
        drawSolution(canvas);
    else
        drawSingularVerdict(canvas);
}

void CMatrix::drawSystemHeading(Canvas &canvas)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    canvas.fillRect(Rect{cw, 7 * ch, 10 * cw, 9 * ch + 4}, kShadow);
    canvas.fillRect(Rect{cw - 4, 7 * ch - 4, 10 * cw - 4, 9 * ch}, Colors::Yellow);
    canvas.textOut(2 * cw, 7 * ch, u"A");
    drawMatrix(canvas, 3, 7, u"x", u"y");
    canvas.textOut(6 * cw, 7 * ch, u"= B");
    TextColorScope red(canvas, Colors::Red);
    canvas.textOut(12 * cw, 7 * ch, u"この両辺に Aの逆行列を");
    canvas.textOut(12 * cw, 8 * ch, u"かける。");
}

void CMatrix::drawSolution(Canvas &canvas)
{
    // (x, y) = A^-1 B = (inverse)(p, q) = (x, y) worked out.
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    drawMatrix(canvas, 2, 10, u"x", u"y");
    canvas.textOut(5 * cw, 10 * ch, u"=");
    drawInverseName(canvas, u"A", 6 * cw, 10 * ch);
    canvas.textOut(8 * cw + 4, 10 * ch, u"B =");
    const InverseRows inverse = InverseMatrixRows(m_a);
    const int width = drawMatrix(canvas, 11, 10, inverse.first, inverse.second);
    drawMatrix(canvas, width + 12, 10, row(u"%lld", m_b.a11), row(u"%lld", m_b.a21));
    canvas.textOut(9 * cw, 12 * ch, u"=");
    const InverseRows solution = SolutionRows(m_a, m_b.a11, m_b.a21);
    drawMatrix(canvas, 11, 12, solution.first, solution.second);
}

void CMatrix::drawSingularVerdict(Canvas &canvas)
{
    // Without an inverse the line (x, y) = A^-1 B is left out: the refusal takes its place.
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    canvas.textOut(6 * cw, 10 * ch, kNoInverse);
    const bool indeterminate = HasInfinitelyManySolutions(m_a, m_b.a11, m_b.a21);
    canvas.textOut(6 * cw, 12 * ch,
                   row(u"%lld:%lld = %lld:%lld %s %lld:%lld    ->%s", m_a.a11, m_a.a21, m_a.a12,
                       m_a.a22, indeterminate ? u"=" : u"≠", m_b.a11, m_b.a21,
                       indeterminate ? u"不定" : u"不能"));
}

// Mode 0: the operation picked in the combo box.

void CMatrix::paintOperation(Canvas &canvas)
{
    switch (m_operation) {
    case 1:
        drawMultiple(canvas);
        break;
    case 2:
    case 3:
        drawSumOrDifference(canvas, m_operation == 2);
        break;
    case 4:
        drawProduct(canvas);
        break;
    case 5:
        drawTranspose(canvas);
        break;
    case 6:
        drawInverse(canvas);
        break;
    case 7:
        drawEigenvalue(canvas);
        break;
    default:
        drawIdentity(canvas);
        break;
    }
}

void CMatrix::drawIdentity(Canvas &canvas)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    canvas.drawIcon(cw, 8 * ch - 4, StockIcon::Warning);
    constexpr std::u16string_view kLabel = u"単位行列 E = ";
    canvas.textOut(4 * cw, 8 * ch, kLabel);
    const int column = (canvas.textExtent(kLabel).cx + 8) / cw + 4;
    drawMatrix(canvas, column, 8, u"1   0", u"0   1");
}

void CMatrix::drawMultiple(Canvas &canvas)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    canvas.textOut(cw, 7 * ch, u"kA =");
    drawMatrix(canvas, 4, 7, row(u"k*%lld  k*%lld", m_a.a11, m_a.a12),
               row(u"k*%lld  k*%lld", m_a.a21, m_a.a22));
}

void CMatrix::drawSumOrDifference(Canvas &canvas, bool sum)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    const std::u16string_view format = sum ? u"%lld+%lld  %lld+%lld" : u"%lld-%lld  %lld-%lld";
    canvas.textOut(cw, 7 * ch, sum ? u"A+B =" : u"A-B =");
    drawMatrix(canvas, 5, 7, row(format, m_a.a11, m_b.a11, m_a.a12, m_b.a12),
               row(format, m_a.a21, m_b.a21, m_a.a22, m_b.a22));
    canvas.textOut(4 * cw, 10 * ch, u"=");
    drawResultMatrix(canvas, 5, 10, sum ? MatrixSum(m_a, m_b) : MatrixDifference(m_a, m_b));
}

void CMatrix::drawProduct(Canvas &canvas)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    constexpr std::u16string_view kFormat = u"%lld*%lld+%lld*%lld  %lld*%lld+%lld*%lld";
    canvas.textOut(cw, 7 * ch, u"AB =");
    drawMatrix(
        canvas, 5, 7,
        row(kFormat, m_a.a11, m_b.a11, m_a.a12, m_b.a21, m_a.a11, m_b.a12, m_a.a12, m_b.a22),
        row(kFormat, m_a.a21, m_b.a11, m_a.a22, m_b.a21, m_a.a21, m_b.a12, m_a.a22, m_b.a22));
    canvas.textOut(3 * cw, 10 * ch, u"=");
    drawResultMatrix(canvas, 5, 10, MatrixProduct(m_a, m_b));
}

void CMatrix::drawTranspose(Canvas &canvas)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    canvas.textOut(cw, 7 * ch, u"A' =");
    drawResultMatrix(canvas, 4, 7, Matrix2{m_a.a11, m_a.a21, m_a.a12, m_a.a22});
}

void CMatrix::drawInverse(Canvas &canvas)
{
    // A^-1 = 1/det (a22 -a12; -a21 a11): the fraction 1 over the determinant's product text, with
    // a bar of t full-width strokes, t = half the text's length + 1, as long as the text.
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    drawInverseName(canvas, u"A", cw - 2, 7 * ch);
    canvas.textOut(3 * cw, 7 * ch, u"=");
    const std::u16string determinant =
        row(u"%lld*%lld-%lld*%lld", m_a.a11, m_a.a22, m_a.a12, m_a.a21);
    const int t = static_cast<int>(determinant.size()) / 2 + 1;
    canvas.textOut(4 * cw, 7 * ch, std::u16string(static_cast<std::size_t>(t), u'─'));
    canvas.textOut(cw * (t / 2 + 4), ch * 13 / 2, u"1");
    canvas.textOut(4 * cw, ch * 15 / 2, determinant);
    drawResultMatrix(canvas, 2 * t + 3, 7, Matrix2{m_a.a22, -m_a.a12, -m_a.a21, m_a.a11});
    if (Determinant(m_a) == 0) {
        canvas.textOut(6 * cw, 11 * ch, kNoInverse);
        return;
    }
    canvas.textOut(3 * cw, 10 * ch, u"=");
    const InverseRows inverse = InverseMatrixRows(m_a);
    drawMatrix(canvas, 5, 10, inverse.first, inverse.second);
    drawInverseNote(canvas);
}

void CMatrix::drawInverseNote(Canvas &canvas)
{
    // AA^-1 = A^-1A = E.
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    canvas.drawIcon(18 * cw, 10 * ch - 4, StockIcon::Warning);
    drawInverseName(canvas, u"AA", 21 * cw, 10 * ch);
    drawInverseName(canvas, u"=A", 25 * cw, 10 * ch);
    canvas.textOut(28 * cw, 10 * ch, u"A=E");
}

void CMatrix::drawEigenvalue(Canvas &canvas)
{
    const int cw = m_metrics.m_unitX;
    const int ch = m_metrics.m_unitY;
    {
        // A (x, y) = λ (x, y), (x, y) ≠ (0, 0).
        TextColorScope red(canvas, Colors::Red);
        canvas.textOut(cw, 7 * ch, u"A");
        drawMatrix(canvas, 2, 7, u"x", u"y");
        canvas.textOut(5 * cw, 7 * ch, u"= λ");
        drawMatrix(canvas, 8, 7, u"x", u"y");
        constexpr std::u16string_view kCondition = u"を満たす実数λ。";
        canvas.textOut(11 * cw, 7 * ch, kCondition);
        const int w = (canvas.textExtent(kCondition).cx + 8) / cw;
        drawMatrix(canvas, w + 11, 7, u"x", u"y");
        canvas.textOut(cw * (w + 14), 7 * ch, u"≠");
        drawMatrix(canvas, w + 16, 7, u"0", u"0");
    }
    TextColorScope blue(canvas, Colors::Blue);
    canvas.textOut(cw, 9 * ch, u"計算して");
    canvas.textOut(8 * cw, 9 * ch, row(u"(%lld-λ)x+%lldy=0 ...(1)", m_a.a11, m_a.a12));
    canvas.textOut(8 * cw, 10 * ch, row(u"%lldx+(%lld-λ)y=0 ...(2)", m_a.a21, m_a.a22));
    canvas.textOut(cw, 11 * ch, u"(1),(2)が(x,y)≠(0,0)の解(不定)をもつ条件は");
    canvas.textOut(2 * cw, 12 * ch,
                   row(u"(%lld-λ)(%lld-λ)-%lld*%lld=0", m_a.a11, m_a.a22, m_a.a12, m_a.a21));
    canvas.textOut(cw, 13 * ch, u"λの２次方程式を解く。");
    canvas.drawIcon(20 * cw, 12 * ch, StockIcon::Question);
    TextColorScope emphasis(canvas, kEmphasis);
    canvas.textOut(23 * cw, 12 * ch + 4, u"連立方程式");
}
