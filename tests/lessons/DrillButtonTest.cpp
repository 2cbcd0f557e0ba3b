#include "drill/Drill.h"
#include "lessons/functions/Onefunc.h"
#include "lessons/functions/Prepare.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The drill button opens the drill window modally with the lesson's topic, variant 0 and the
// circle constant of the lesson.
TEST(FunctionLessonDrill, OpensTheDrillOnTheLessonsTopic)
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
                if (auto *drill = dynamic_cast<CDrill *>(&window)) {
                    opened = Opened{drill->topic(), drill->variant(), drill->circleConstant()};
                }
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
    CPrepare prepare;
    check(prepare, 2768);
    COnefunc onefunc;
    check(onefunc, 2769);
}

} // namespace
