#pragma once

#include "drill/DrillPage.h"

#include <cstdint>

/// Draws one topic's question (and its answer when the page asks for it).
using DrillGenerator = void (*)(DrillPage &page);

/// The question generator of `topic`, or nullptr while the topic has none.
DrillGenerator findDrillGenerator(std::int16_t topic);
