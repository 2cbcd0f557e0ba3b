#include "drill/DrillGenerators.h"
#include "drill/ExpDrills.h"
#include "drill/LogDrill.h"
#include "drill/TrigDrills.h"

#include <array>

namespace {

struct GeneratorEntry
{
    std::int16_t topic;
    DrillGenerator draw;
};

constexpr std::array kGenerators = {
    GeneratorEntry{DrillTopic::Logarithm, &drawLogarithmDrill},
    GeneratorEntry{DrillTopic::TrigValues, &drawTrigValuesDrill},
    GeneratorEntry{DrillTopic::ExponentLaws, &drawExponentLawsDrill},
    GeneratorEntry{DrillTopic::InverseFunction, &drawInverseFunctionDrill},
    GeneratorEntry{DrillTopic::TrigDefinition, &drawTrigDefinitionDrill},
    GeneratorEntry{DrillTopic::Composition, &drawCompositionDrill},
};

} // namespace

DrillGenerator findDrillGenerator(std::int16_t topic)
{
    for (const GeneratorEntry &entry : kGenerators)
        if (entry.topic == topic) return entry.draw;
    return nullptr;
}
