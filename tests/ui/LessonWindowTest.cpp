#include "ui/LessonWindow.h"
#include "resources/DialogTemplates.h"
#include "ui/ChildSurface.h"

#include <QAbstractButton>
#include <QImage>
#include <QMessageBox>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr ControlTemplate kControls[] = {
    {101, ControlKind::Edit, u"", {10, 10, 40, 12}},
    {104, ControlKind::PushButton, u"開始", {60, 10, 40, 14}},
    {200, ControlKind::ComboBox, u"", {10, 30, 60, 60}},
    {300, ControlKind::AutoCheckBox, u"軸", {80, 30, 40, 10}},
    {301, ControlKind::RadioButton, u"正比例", {80, 45, 40, 10}},
    {400, ControlKind::BlackFrame, u"", {10, 60, 40, 20}},
    {500, ControlKind::HScrollBar, u"", {60, 60, 60, 10}},
    {1, ControlKind::DefPushButton, u"終了", {130, 10, 40, 14}},
};

constexpr DialogTemplate kTestTemplate = {7000, u"試験", 200, 100, u"system", 10, kControls};

/// A window that draws one pixel per stored mark, and a table on its child surface.
class TestWindow : public LessonWindow
{
public:
    TestWindow() : LessonWindow(kTestTemplate)
    {
        onCommand(104, [this] { ++starts; });
        onCommand(200, [this] { lastSelection = comboSelection(200); });
        onCommand(301, [this] { ++radioClicks; });
        onScroll(500, [this](ScrollAction action, int pos) {
            lastAction = action;
            setScrollPos(500, pos);
        });
    }

    void OnInitDialog() override
    {
        ++inits;
        addComboEntry(200, u"A");
        addComboEntry(200, u"B");
        setScrollRange(500, 0, 3);
    }

    void OnPaint(Canvas &canvas) override
    {
        canvas.setPixel(mark.x, mark.y, Colors::Red);
        auto surface = controlCanvas(400);
        surface->moveTo(0, 5);
        surface->lineTo(10, 5);
    }

    Point mark{5, 5};
    int inits = 0;
    int starts = 0;
    int radioClicks = 0;
    int lastSelection = -1;
    ScrollAction lastAction = ScrollAction::EndScroll;
};

Rgb pixel(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(LessonWindow, ClientSizeComesFromTheFixedDialogUnitTable)
{
    struct Row
    {
        int templateId;
        Size client;
    };
    const Row rows[] = {
        {101, {492, 390}}, // "system" 10: 2 pixels per unit
        {108, {596, 446}}, // "MS UI Gothic" 12: 2 pixels per unit
        {132, {544, 355}}, // "ＭＳ Ｐゴシック" 9: 3/2 pixels per unit
    };
    for (const Row &row : rows) {
        LessonWindow window(*findDialogTemplate(row.templateId));
        EXPECT_EQ(window.clientSize(), row.client) << row.templateId;
        EXPECT_EQ(window.windowTitle().toStdU16String(),
                  findDialogTemplate(row.templateId)->caption);
    }
}

TEST(LessonWindow, InitialisesOnceAndReadsControlsById)
{
    TestWindow window;
    window.initialize();
    window.initialize();
    EXPECT_EQ(window.inits, 1);

    window.setControlText(101, u"123456789");
    EXPECT_EQ(window.controlText(101, 5), u"12345"); // cut at the caller's capacity
    EXPECT_EQ(window.controlText(101), u"123456789");
    EXPECT_EQ(window.controlText(999), u"");
    EXPECT_EQ(window.controlRect(101), (Rect{20, 20, 100, 44}));

    EXPECT_TRUE(window.pressButton(104));
    EXPECT_EQ(window.starts, 1);
    window.enableControl(104, false);
    EXPECT_TRUE(window.pressButton(104));
    EXPECT_EQ(window.starts, 1); // a disabled button takes no click
    EXPECT_FALSE(window.pressButton(999));

    EXPECT_EQ(window.comboCount(200), 2);
    EXPECT_EQ(window.comboSelection(200), -1);
    EXPECT_TRUE(window.selectComboEntry(200, 1));
    EXPECT_EQ(window.lastSelection, 1);
    EXPECT_FALSE(window.selectComboEntry(200, 2));
}

TEST(LessonWindow, PlainButtonsKeepTheirStateAutomaticOnesToggle)
{
    TestWindow window;
    window.initialize();
    window.pressButton(300);
    EXPECT_EQ(window.checkState(300), 1);
    window.pressButton(301);
    EXPECT_EQ(window.radioClicks, 1);
    EXPECT_EQ(window.checkState(301), 0); // the window sets a plain radio button itself
    window.setCheckState(301, 1);
    EXPECT_EQ(window.checkState(301), 1);
}

TEST(LessonWindow, ScrollBarMovesOnlyWhereTheHandlerPutsIt)
{
    TestWindow window;
    window.initialize();
    EXPECT_TRUE(window.scrollTo(500, 2));
    EXPECT_EQ(window.lastAction, ScrollAction::ThumbPosition);
    EXPECT_EQ(window.scrollPos(500), 2);
    window.setScrollPos(500, 9);
    EXPECT_EQ(window.scrollPos(500), 3); // clamped to the range
    EXPECT_FALSE(window.scrollTo(101, 1));
}

TEST(LessonWindow, RepaintErasesOnlyWhenAskedAndOnlyTheInvalidRectangle)
{
    TestWindow window;
    window.initialize();
    const QImage &first = window.surface();
    EXPECT_EQ(pixel(first, 5, 5), Colors::Red);
    EXPECT_EQ(pixel(first, 6, 6), LessonWindow::kBackground);

    // Drawing outside the paint handler stays until a repaint with erase.
    {
        auto canvas = window.clientCanvas();
        canvas->setPixel(7, 7, Colors::Blue);
    }
    window.mark = {9, 9};
    window.invalidate(false);
    EXPECT_EQ(pixel(window.surface(), 7, 7), Colors::Blue);
    EXPECT_EQ(pixel(window.surface(), 5, 5), Colors::Red);
    EXPECT_EQ(pixel(window.surface(), 9, 9), Colors::Red);

    window.mark = {50, 50};
    window.invalidateRect(Rect{0, 0, 8, 8}, true);
    const QImage &partial = window.surface();
    EXPECT_EQ(pixel(partial, 5, 5), LessonWindow::kBackground);
    EXPECT_EQ(pixel(partial, 7, 7), LessonWindow::kBackground);
    EXPECT_EQ(pixel(partial, 9, 9), Colors::Red);                 // outside: kept
    EXPECT_EQ(pixel(partial, 50, 50), LessonWindow::kBackground); // outside: not painted

    window.invalidate(true);
    EXPECT_EQ(pixel(window.surface(), 9, 9), LessonWindow::kBackground);
    EXPECT_EQ(pixel(window.surface(), 50, 50), Colors::Red);
}

TEST(LessonWindow, AtRatioTwoRepaintsAndChildSurfacesWorkInClientPixels)
{
    TestWindow window;
    window.setSurfaceRatio(2);
    window.initialize();
    const Size client = window.clientSize();
    ASSERT_EQ(window.surface().size(), QSize(2 * client.cx, 2 * client.cy));
    auto block = [&window](int x, int y) {
        const QImage &image = window.surface();
        return std::vector<Rgb>{pixel(image, 2 * x, 2 * y), pixel(image, 2 * x + 1, 2 * y),
                                pixel(image, 2 * x, 2 * y + 1), pixel(image, 2 * x + 1, 2 * y + 1)};
    };
    auto all = [](Rgb c) { return std::vector<Rgb>(4, c); };
    EXPECT_EQ(block(5, 5), all(Colors::Red));
    EXPECT_EQ(block(4, 5), all(LessonWindow::kBackground));
    {
        auto canvas = window.clientCanvas();
        canvas->setPixel(9, 9, Colors::Blue);
    }
    // A partial repaint keeps the image pixels outside its rectangle, also at ratio 2.
    window.mark = {6, 6};
    window.invalidateRect(Rect{0, 0, 8, 8}, true);
    EXPECT_EQ(block(5, 5), all(LessonWindow::kBackground));
    EXPECT_EQ(block(6, 6), all(Colors::Red));
    EXPECT_EQ(block(9, 9), all(Colors::Blue));

    // The child surface: twice as fine, its 1-pixel line at y = 5 two image rows thick.
    auto *surface = dynamic_cast<ChildSurface *>(window.control(400));
    ASSERT_NE(surface, nullptr);
    const QImage &image = surface->image(2);
    ASSERT_EQ(image.size(), 2 * surface->size());
    EXPECT_EQ((std::vector<Rgb>{pixel(image, 4, 9), pixel(image, 4, 10), pixel(image, 4, 11),
                                pixel(image, 4, 12)}),
              (std::vector<Rgb>{Colors::White, Colors::Black, Colors::Black, Colors::White}));
}

TEST(LessonWindow, RecordedPaintShowsChildSurfaces)
{
    TestWindow window;
    window.initialize();
    const std::vector<std::string> expected = {
        "pixel 5 5 #ff0000", "surface 400", "move 0 5", "line 10 5", "surface client",
    };
    EXPECT_EQ(window.recordPaint(), expected);
}

TEST(LessonWindow, ModalRunsGoThroughTheHookAndFocusIsReported)
{
    int hooked = 0;
    auto previousModal = LessonWindow::setModalHook([&](LessonWindow &w) {
        ++hooked;
        EXPECT_TRUE(w.isInitialized());
        return 5;
    });
    std::vector<int> focused;
    auto previousFocus = LessonWindow::setFocusHook([&](int id) { focused.push_back(id); });
    TestWindow window;
    EXPECT_EQ(window.DoModal(), 5);
    EXPECT_EQ(hooked, 1);
    window.focusControl(101);
    window.focusControl(999);
    EXPECT_EQ(window.focusedControl(), 101);
    EXPECT_EQ(focused, std::vector<int>{101});
    LessonWindow::setModalHook(std::move(previousModal));
    LessonWindow::setFocusHook(std::move(previousFocus));
}

TEST(LessonWindow, MessageBoxesGoThroughTheReplaceableFunction)
{
    std::u16string seen;
    auto previous = setMessageBoxHandler([&](const MessageRequest &request) {
        seen = request.text;
        return static_cast<int>(IdNo);
    });
    TestWindow window;
    EXPECT_EQ(window.messageBox(u"数が大きすぎます。", MessageButtons::YesNo), IdNo);
    EXPECT_EQ(seen, u"数が大きすぎます。");
    setMessageBoxHandler(std::move(previous));
}

TEST(LessonWindow, RealMessageBoxesNameTheirButtonsInJapanese)
{
    struct Row
    {
        MessageButtons buttons;
        std::vector<std::u16string> texts;
    };
    const Row rows[] = {
        {MessageButtons::Ok, {u"OK"}},
        {MessageButtons::OkCancel, {u"OK", u"キャンセル"}},
        {MessageButtons::YesNo, {u"はい", u"いいえ"}},
        {MessageButtons::YesNoCancel, {u"はい", u"いいえ", u"キャンセル"}},
    };
    for (const Row &row : rows) {
        QMessageBox box;
        configureMessageBox(box, MessageRequest{u"変更を保存しますか?", u"Tessaryn", row.buttons,
                                                MessageIcon::Question});
        std::vector<std::u16string> texts;
        for (QAbstractButton *button : box.buttons())
            texts.push_back(button->text().toStdU16String());
        std::sort(texts.begin(), texts.end());
        std::vector<std::u16string> expected = row.texts;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(texts, expected);
        EXPECT_EQ(box.windowTitle().toStdU16String(), u"Tessaryn");
        EXPECT_EQ(box.text().toStdU16String(), u"変更を保存しますか?");
    }
}
