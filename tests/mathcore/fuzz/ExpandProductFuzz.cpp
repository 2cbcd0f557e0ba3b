// Feeds arbitrary terms to ExpandProduct, repeated as the sum lesson repeats it until nothing is
// left to expand: every code is one it documents, every output fits a formula's capacity, and no
// step adds a bracket, so the repetition ends.
#include "mathcore/TermAlgebra.h"
#include "tests/mathcore/fuzz/FuzzText.h"

#include <algorithm>

namespace {

std::ptrdiff_t openBrackets(const std::u16string &text)
{
    return std::count(text.begin(), text.end(), u'(');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::u16string term = fuzzText(data, size);
    // No step adds a bracket and every step after the first (which may multiply a sum standing
    // before the brackets) removes one, so the count of brackets bounds the steps.
    const std::ptrdiff_t maxSteps = openBrackets(term) + 1;
    for (std::ptrdiff_t step = 0; step <= maxSteps; ++step) {
        std::u16string output = u"old";
        const int code = ExpandProduct(term, output);
        if (code < -9 || code > 4 || (code < 0 && code != -1 && code != -9)) fuzzFailure();
        if (code <= 0) return 0;
        if (output.size() > kFormulaTextCapacity) fuzzFailure();
        if (openBrackets(output) > openBrackets(term)) fuzzFailure();
        term = output;
    }
    fuzzFailure();
}
