#include "lessons/explog/ExpLaw.h"

#include "drill/Drill.h"
#include "lessons/explog/LogarithmFigure.h"
#include "mathcore/NumberText.h"
#include "resources/DialogTemplates.h"

#include <string_view>

namespace {

constexpr int kStartId = 104;
constexpr int kLawId = 129;
constexpr int kDrillId = 133;
constexpr int kPromptId = 157;
constexpr int kFieldA = 125;
constexpr int kFieldM = 126;
constexpr int kFieldN = 127;
/// Characters read from a field, and the most a value may be typed with.
constexpr int kFieldChars = 5;
constexpr std::size_t kValueChars = 3;
/// The base's numerator runs from 1 to 99.
constexpr int kLargestBase = 99;

/// a: a natural number (mode 0) or a positive fraction that is not 1 (mode 1, where log a is a
/// divisor), numerator 1 to 99, at most 3 characters.
std::optional<TypedFraction> readBase(std::u16string_view text, bool logarithm)
{
    if (text.size() > kValueChars) return std::nullopt;
    std::optional<TypedFraction> a;
    if (logarithm)
        a = ReadFractionField(text);
    else if (!text.empty() && CheckDigitsText(text) == 0)
        a = TypedFraction{static_cast<std::int16_t>(LeadingInteger(text)), 1};
    if (!a || a->numerator < 1 || a->numerator > kLargestBase) return std::nullopt;
    if (logarithm && a->numerator == a->denominator) return std::nullopt;
    return a;
}

/// m or n: a fraction of at most 3 characters; positive in mode 1, where it is a logarithm's
/// argument (log 0 is undefined).
std::optional<TypedFraction> readExponent(std::u16string_view text, bool logarithm)
{
    if (text.size() > kValueChars) return std::nullopt;
    const std::optional<TypedFraction> value = ReadFractionField(text);
    if (!value || (logarithm && value->numerator <= 0)) return std::nullopt;
    return value;
}

} // namespace

CExpLaw::CExpLaw(QWidget *parent) : LessonWindow(kTemplate106, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kLawId, [this] { OnLaw(); });
    onCommand(kDrillId, [this] {
        const std::int16_t topic =
            m_modeFlag == 1 ? DrillTopic::Logarithm : DrillTopic::ExponentLaws;
        openDrill(*this, topic, m_modeFlag, m_circleConstant);
    });
}

void CExpLaw::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

void CExpLaw::OnInitDialog()
{
    m_metrics.setLayout(clientSize(), 36, 16, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    m_aText.clear();
    m_mText.clear();
    m_nText.clear();
    m_laws = ExponentLawTexts{};
    if (m_modeFlag == 1) {
        setCaption(u"対数の性質");
        setControlText(kPromptId, u"a,m,nに正の分数(整数)を入れて下さい。");
        setControlText(kFieldA, u"2");
        setControlText(kFieldM, u"3");
        setControlText(kFieldN, u"10");
        m_a.numerator = -1;
        return;
    }
    setControlText(kFieldA, u"2");
    setControlText(kFieldM, u"1/2");
    setControlText(kFieldN, u"3/2");
}

void CExpLaw::OnStart()
{
    if (readFields()) invalidate(true);
}

bool CExpLaw::readFields()
{
    // All three are read before anything is stored, so a rejection keeps the whole figure.
    const bool logarithm = m_modeFlag == 1;
    const std::u16string aText = controlText(kFieldA, kFieldChars);
    const std::optional<TypedFraction> a = readBase(aText, logarithm);
    if (!a) {
        focusControl(kFieldA);
        return false;
    }
    const std::u16string mText = controlText(kFieldM, kFieldChars);
    const std::optional<TypedFraction> m = readExponent(mText, logarithm);
    if (!m) {
        focusControl(kFieldM);
        return false;
    }
    const std::u16string nText = controlText(kFieldN, kFieldChars);
    const std::optional<TypedFraction> n = readExponent(nText, logarithm);
    if (!n) {
        focusControl(kFieldN);
        return false;
    }
    m_a = *a;
    m_m = *m;
    m_n = *n;
    m_mText = mText;
    m_nText = nText;
    if (logarithm)
        m_aText = aText;
    else
        m_laws = WriteExponentLaws(mText, nText);
    return true;
}

void CExpLaw::OnLaw()
{
    m_a.numerator = 0;
    m_mText.clear();
    invalidate(true);
}

void CExpLaw::OnPaint(Canvas &canvas)
{
    // Transparent, so that a stacked value does not blank the bar it stands on.
    BkModeScope transparent(canvas, BkMode::Transparent);
    if (m_modeFlag == 0) {
        ExponentLawFigure figure(canvas, m_metrics, m_unitX, m_unitY);
        figure.draw(ExponentLawState{m_a.numerator, m_m, m_mText, m_nText, m_laws});
        return;
    }
    if (m_modeFlag != 1) return;
    LogarithmFigure figure(canvas, m_metrics, m_unitX, m_unitY);
    if (m_mText.empty()) {
        figure.draw(LogarithmState{});
        return;
    }
    LogarithmState state{m_aText, m_mText, m_nText, std::nullopt, m_m};
    if (m_a.numerator > 0) state.baseValue = m_a;
    figure.draw(state);
}
