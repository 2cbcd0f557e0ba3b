#include "drill/Drill.h"
#include "lessons/trig/Angdef.h"
#include "lessons/trig/Angfunc.h"
#include "lessons/trig/Tradd.h"

#include <gtest/gtest.h>

namespace {

// The drill button opens the drill window modally on the lesson's own topic with variant 0 and
// the lesson's circle constant; the addition theorem has no drill button.
TEST(TrigLessonDrill, OpensTheDrillOnTheLessonsTopic)
{
    struct Opened
    {
        int topic = 0;
        int variant = -1;
        double circleConstant = 0;
    };
    const auto check = [](LessonWindow &lesson, int topic) {
        Opened opened;
        const LessonWindow::ModalHook previous =
            LessonWindow::setModalHook([&opened](LessonWindow &window) {
                if (auto *drill = dynamic_cast<CDrill *>(&window))
                    opened = Opened{drill->topic(), drill->variant(), drill->circleConstant()};
                return 0;
            });
        lesson.initialize();
        lesson.setCircleConstant(3.1415926535);
        lesson.pressButton(133);
        LessonWindow::setModalHook(previous);
        EXPECT_EQ(opened.topic, topic);
        EXPECT_EQ(opened.variant, 0);
        EXPECT_DOUBLE_EQ(opened.circleConstant, 3.1415926535);
    };
    CAngdef definition;
    check(definition, 2785);
    CAngfunc graphs;
    check(graphs, 2771);
    CTradd addition;
    addition.initialize();
    EXPECT_FALSE(addition.hasControl(133));
}

} // namespace
