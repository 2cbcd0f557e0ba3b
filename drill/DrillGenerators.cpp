#include "drill/DrillGenerators.h"
#include "drill/FunctionDrills.h"
#include "drill/GraphDrills.h"
#include "drill/LogDrill.h"

#include <array>

namespace {

struct GeneratorEntry
{
    std::int16_t topic;
    DrillGenerator draw;
};

constexpr std::array kGenerators = {
    GeneratorEntry{DrillTopic::Logarithm, &drawLogarithmDrill},
    GeneratorEntry{DrillTopic::Proportion, &drawProportionDrill},
    GeneratorEntry{DrillTopic::LinearGraph, &drawLineDrill},
    GeneratorEntry{DrillTopic::Parabola, &drawParabolaDrill},
    GeneratorEntry{DrillTopic::Inequality, &drawInequalityDrill},
    GeneratorEntry{DrillTopic::EquationGraph, &drawEquationGraphDrill},
    GeneratorEntry{DrillTopic::FractionalShift, &drawFractionalShiftDrill},
    GeneratorEntry{DrillTopic::SetCorrespondence, &drawCorrespondenceDrill},
};

} // namespace

DrillGenerator findDrillGenerator(std::int16_t topic)
{
    for (const GeneratorEntry &entry : kGenerators)
        if (entry.topic == topic) return entry.draw;
    return nullptr;
}
