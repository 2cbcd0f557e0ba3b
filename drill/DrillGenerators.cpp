#include "drill/DrillGenerators.h"
#include "drill/LogDrill.h"
#include "drill/SequenceDrill.h"

#include <array>

namespace {

struct GeneratorEntry
{
    std::int16_t topic;
    DrillGenerator draw;
};

constexpr std::array kGenerators = {
    GeneratorEntry{DrillTopic::Logarithm, &drawLogarithmDrill},
    GeneratorEntry{DrillTopic::SequenceSum, &drawSequenceSumDrill},
};

} // namespace

DrillGenerator findDrillGenerator(std::int16_t topic)
{
    for (const GeneratorEntry &entry : kGenerators)
        if (entry.topic == topic) return entry.draw;
    return nullptr;
}
