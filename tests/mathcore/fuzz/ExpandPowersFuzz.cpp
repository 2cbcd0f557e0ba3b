// Feeds arbitrary texts to ExpandPowers: the code is one it documents, and a rewritten formula has
// no '^' left and fits a formula's capacity. Expanding it again changes nothing.
#include "mathcore/TermAlgebra.h"
#include "tests/mathcore/fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzzText(data, size);
    std::u16string expanded = u"old";
    const int code = ExpandPowers(text, expanded);
    if (code != 0 && code != -1 && code != -2 && code != -3) fuzzFailure();
    if (expanded.size() > kFormulaTextCapacity) fuzzFailure();
    if (code != 0) return 0;
    if (expanded.find(u'^') != std::u16string::npos) fuzzFailure();
    std::u16string again;
    if (ExpandPowers(expanded, again) != 0 || again != expanded) fuzzFailure();
    // The source may view the output.
    std::u16string inPlace = text;
    if (ExpandPowers(inPlace, inPlace) != 0 || inPlace != expanded) fuzzFailure();
    return 0;
}
