#include "drill/Drill.h"
#include "lessons/functions/Onefunc.h"
#include "lessons/functions/Prepare.h"
#include "ui/SeedSource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The drill button opens the drill window modally with the lesson's topic, variant 0 and the
// circle constant of the lesson. Topic 2768 draws its own variant, so with a fixed seed it must
// show what a drill opened directly on variant 0 shows.
TEST(FunctionLessonDrill, OpensTheDrillOnTheLessonsTopic)
{
    struct Opened
    {
        int topic = 0;
        int variant = -1;
        double circleConstant = 0;
    };
    fixRandomSeed(7);
    const auto expectedVariant = [](int topic) {
        CDrill direct(static_cast<std::int16_t>(topic), 0);
        direct.initialize();
        return static_cast<int>(direct.variant());
    };
    const auto check = [&](LessonWindow &lesson, int topic) {
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
        EXPECT_EQ(opened.variant, expectedVariant(topic));
        EXPECT_DOUBLE_EQ(opened.circleConstant, 3.1415926535);
    };
    CPrepare prepare;
    check(prepare, 2768);
    COnefunc onefunc;
    check(onefunc, 2769);
    EXPECT_EQ(expectedVariant(2769), 0);
    fixRandomSeed(std::nullopt);
}

} // namespace
