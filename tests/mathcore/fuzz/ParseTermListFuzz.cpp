// Feeds arbitrary texts to the term reader and what builds on it: every table keeps within its 24
// slots and 7 letters a side, every written text within a formula's capacity, and a table written
// and read again writes the same text.
#include "mathcore/TermAlgebra.h"
#include "tests/mathcore/fuzz/FuzzText.h"

namespace {

void checkTable(const TermTable &table, int count)
{
    if (count < 0 || count > kTermSlots || CountTerms(table) != count) fuzzFailure();
    for (const TermSlot &slot : table.slots) {
        if (slot.numLetters.size() > kLetterCapacity || slot.denLetters.size() > kLetterCapacity)
            fuzzFailure();
    }
}

void checkWritten(const std::u16string &written)
{
    if (written.empty() || written.size() > kFormulaTextCapacity) fuzzFailure();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzzText(data, size);
    TermTable table;
    const int count = ParseTermList(text, table);
    checkTable(table, count);

    std::u16string written;
    FormatTermList(written, table);
    checkWritten(written);

    TermTable sorted;
    SortTerms(table, sorted);
    checkTable(sorted, count);

    TermTable square;
    const int products = MultiplyTermLists(square, table, table);
    if (products != -9) checkTable(square, products);

    std::u16string collected;
    const int distinct = CollectLikeTerms(text, collected);
    if (distinct < 0 || distinct > count) fuzzFailure();
    checkWritten(collected);

    std::u16string simplified;
    const int code = SimplifyTerms(text, simplified);
    if (code != 0 && code != -1) fuzzFailure();
    if (code == 0 && simplified.size() > kFormulaTextCapacity) fuzzFailure();
    return 0;
}
