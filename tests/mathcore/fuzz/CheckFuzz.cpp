// Feeds arbitrary texts to the validators of number and formula texts and to the fraction
// arithmetic done inside a text. Each code must be one the function documents, a validator must
// point at the character it reports, and an evaluator either leaves the text alone (-1) or writes
// at most a formula's capacity.
#include "mathcore/NumberText.h"
#include "mathcore/TermAlgebra.h"
#include "tests/mathcore/fuzz/FuzzText.h"

namespace {

void checkValidators(const std::u16string &text)
{
    for (auto check : {CheckDigitsText, CheckSignedIntegerText}) {
        const int code = check(text);
        if (code != 0 && code != -1) fuzzFailure();
    }
    const struct
    {
        std::int16_t (*check)(std::u16string_view);
        char16_t mark;
    } marked[] = {{CheckFractionText, u'/'}, {CheckDecimalText, u'.'}};
    for (const auto &m : marked) {
        const int code = m.check(text);
        if (code < -1 || code >= static_cast<int>(std::max<std::size_t>(text.size(), 1)))
            fuzzFailure();
        if (code > 0 && text[static_cast<std::size_t>(code)] != m.mark) fuzzFailure();
    }
    for (int kind = 0; kind <= 2; ++kind) {
        const int code = CheckExpressionText(text, kind);
        if (code != -8 && code != -1 && code != 0 && code != 1) fuzzFailure();
    }
}

void checkEvaluator(const std::u16string &text, int (*evaluate)(std::u16string &))
{
    std::u16string rewritten = text;
    const int code = evaluate(rewritten);
    if (code < -1 || code > 1) fuzzFailure();
    if (code == -1 && rewritten != text) fuzzFailure();
    if (rewritten != text && rewritten.size() > kFormulaTextCapacity) fuzzFailure();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzzText(data, size);
    checkValidators(text);
    checkEvaluator(text, EvaluateFractionSum);
    checkEvaluator(text, EvaluateFractionProduct);
    return 0;
}
