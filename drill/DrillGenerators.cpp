#include "drill/DrillGenerators.h"
#include "drill/ExpDrills.h"
#include "drill/FunctionDrills.h"
#include "drill/GraphDrills.h"
#include "drill/LogDrill.h"
#include "drill/MatrixDrills.h"
#include "drill/SequenceDrill.h"
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
    GeneratorEntry{DrillTopic::Proportion, &drawProportionDrill},
    GeneratorEntry{DrillTopic::LinearGraph, &drawLineDrill},
    GeneratorEntry{DrillTopic::Parabola, &drawParabolaDrill},
    GeneratorEntry{DrillTopic::Inequality, &drawInequalityDrill},
    GeneratorEntry{DrillTopic::EquationGraph, &drawEquationGraphDrill},
    GeneratorEntry{DrillTopic::FractionalShift, &drawFractionalShiftDrill},
    GeneratorEntry{DrillTopic::SetCorrespondence, &drawCorrespondenceDrill},
    GeneratorEntry{DrillTopic::MatrixBasics, &drawMatrixBasicsDrill},
    GeneratorEntry{DrillTopic::Simultaneous, &drawSimultaneousDrill},
    GeneratorEntry{DrillTopic::SequenceSum, &drawSequenceSumDrill},
};

} // namespace

DrillGenerator findDrillGenerator(std::int16_t topic)
{
    for (const GeneratorEntry &entry : kGenerators)
        if (entry.topic == topic) return entry.draw;
    return nullptr;
}
