#include "lessons/functions/SetMapping.h"

#include "mathcore/FigureHelpers.h"
#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"

std::optional<SetMapping> MapSetX(const QuadraticCoefficients &coefficients)
{
    SetMapping mapping;
    for (int i = 0; i < SetMapping::kSize; ++i) {
        const std::optional<ExactFraction> value = EvaluatePolynomialAt(i - 2, coefficients);
        if (!value || !FitsInt16(*value)) return std::nullopt;
        FormatFraction(static_cast<std::int16_t>(value->num), static_cast<std::int16_t>(value->den),
                       mapping.valueTexts[static_cast<std::size_t>(i)]);
    }
    auto &texts = mapping.valueTexts;
    for (std::size_t i = SetMapping::kSize - 1; i >= 1; --i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (texts[i] == texts[j]) {
                texts[i].clear();
                mapping.targets[i] = static_cast<int>(j);
                break;
            }
        }
    }
    return mapping;
}

void DrawSetMapping(Canvas &canvas, LessonMetrics &metrics, int k, std::u16string_view name,
                    const SetMapping &mapping)
{
    const int u = metrics.m_unitX;
    const int v = metrics.m_unitY;
    const int cx = (28 * k + 8) * u;
    const int cy = cx + 11 * u;
    canvas.ellipse(cx - 3 * u, 6 * v, cx + 3 * u, 12 * v);
    canvas.textOut(cx - u, 6 * v, u"X");
    canvas.textOut(cx - 5 * u, 6 * v, formatText(u"(%d)", k + 1));
    canvas.ellipse(cy - 4 * u, 6 * v, cy + 4 * u, 12 * v);
    canvas.textOut(cy - u, 6 * v, u"Y");
    DrawArrow(canvas, metrics, cx + 3 * u, 6 * v + v / 2, cy - 3 * u, 6 * v + v / 2);
    canvas.textOut(cy - 6 * u, 6 * v, name);
    for (int i = 0; i < SetMapping::kSize; ++i) {
        const int row = (7 + i) * v;
        canvas.textOut((28 * k + 6) * u, row, formatText(u"%2d", i - 2));
        const std::u16string &text = mapping.valueTexts[static_cast<std::size_t>(i)];
        const int length = static_cast<int>(text.size());
        canvas.textOut((28 * k + 16) * u + (5 - length) * u / 2, row, text);
        const int target = mapping.targets[static_cast<std::size_t>(i)];
        DrawArrow(canvas, metrics, cx + 3 * u, row + v / 2, cy - 3 * u, (target + 7) * v + v / 2);
    }
}
