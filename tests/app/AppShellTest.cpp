#include "app/CompanionNotifier.h"
#include "app/LessonLauncher.h"
#include "app/LessonTable.h"
#include "app/MainFrame.h"
#include "app/TessarynApp.h"
#include "resources/DialogTemplates.h"
#include "ui/LessonWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

namespace {

class RecordingCompanion : public CompanionNotifier
{
public:
    bool notify(int lessonCode) override
    {
        codes.push_back(lessonCode);
        return true;
    }
    std::vector<int> codes;
};

} // namespace

TEST(LessonTable, HasEveryLessonOnItsTemplateWithItsCodeAndModeFlag)
{
    struct Row
    {
        int command;
        int templateId;
        int mode;
        int code;
    };
    const Row rows[] = {
        {2768, 101, -1, 200}, {2800, 112, 1, 201},  {2769, 102, -1, 202}, {2781, 114, 0, 204},
        {2770, 103, 0, 206},  {2780, 112, 0, 208},  {2777, 108, -1, 210}, {2782, 150, -1, 212},
        {2789, 114, 1, 214},  {2785, 116, -1, 216}, {2771, 104, -1, 218}, {2784, 115, -1, 220},
        {2788, 103, 1, 222},  {2775, 106, 0, 224},  {2786, 106, 1, 226},  {2776, 107, -1, 228},
        {2792, 105, 0, 230},  {2793, 105, 1, 231},  {2779, 111, -1, 234}, {2778, 110, -1, 233},
        {2787, 117, -1, 200}, {2783, 157, -1, -1},  {32771, 132, -1, -1},
    };
    ASSERT_EQ(lessonTable().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const LessonEntry &entry = lessonTable()[i];
        EXPECT_EQ(entry.commandId, rows[i].command) << "menu order at " << i;
        EXPECT_EQ(entry.templateId, rows[i].templateId) << entry.commandId;
        EXPECT_EQ(entry.modeFlag, rows[i].mode) << entry.commandId;
        EXPECT_EQ(entry.lessonCode, rows[i].code) << entry.commandId;
        EXPECT_NE(findDialogTemplate(entry.templateId), nullptr) << entry.templateId;
    }
    EXPECT_EQ(findLesson(2793)->className, "CMatrix");
    EXPECT_EQ(findLesson(4242), nullptr);
}

TEST(LessonLauncher, PresetsTheWindowAndNotifiesTheCompanion)
{
    RecordingCompanion companion;
    LessonLauncher launcher(companion);
    struct Row
    {
        int command;
        std::vector<int> codes;
        std::int16_t mode;
    };
    const Row rows[] = {
        {2793, {231}, 1}, {2792, {230}, 0}, {2787, {200}, 0}, {2768, {200}, 0},
        {2783, {}, 0},    {32771, {}, 0},   {2788, {222}, 1},
    };
    for (const Row &row : rows) {
        companion.codes.clear();
        auto window = launcher.prepare(row.command, nullptr);
        ASSERT_NE(window, nullptr) << row.command;
        EXPECT_EQ(companion.codes, row.codes) << row.command;
        EXPECT_EQ(window->modeFlag(), row.mode) << row.command;
        EXPECT_DOUBLE_EQ(window->circleConstant(), 3.1415926535);
        EXPECT_EQ(window->dialogTemplate().id, findLesson(row.command)->templateId);
    }
    EXPECT_EQ(launcher.prepare(57664, nullptr), nullptr);
}

TEST(LessonLauncher, RunsEveryLessonModallyAndStartsAfreshEachTime)
{
    RecordingCompanion companion;
    LessonLauncher launcher(companion);
    std::vector<LessonWindow *> seen;
    auto previous = LessonWindow::setModalHook([&](LessonWindow &w) {
        seen.push_back(&w);
        EXPECT_TRUE(w.isInitialized());
        return 1;
    });
    for (const LessonEntry &entry : lessonTable())
        EXPECT_TRUE(launcher.run(entry.commandId, nullptr)) << entry.commandId;
    EXPECT_EQ(seen.size(), lessonTable().size());
    LessonWindow::setModalHook(std::move(previous));
}

TEST(MainFrame, MenuTextsLoseTheirControlCharacters)
{
    struct Row
    {
        std::u16string_view stored;
        const char16_t *shown;
    };
    const Row rows[] = {
        {u"学習選択(\u001ES)", u"学習選択(&S)"},
        {u"絵かき(\u001EE\u001Fｼ)", u"絵かき(&Eｼ)"},
        {u"***フラクタル      (&Z)", u"***フラクタル      (&Z)"},
        {u"中学程度", u"中学程度"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(CMainFrame::menuText(row.stored).toStdU16String(), row.shown);
}

TEST(MainFrame, HasTheFivePopupsWithHelpAtTheRightEndAndTheReadyPrompt)
{
    CMainFrame frame;
    frame.resize(640, 480);
    frame.show();
    const auto popups = frame.menuBar()->actions();
    ASSERT_EQ(popups.size(), 4);
    EXPECT_EQ(popups[0]->text().toStdU16String(), u"ファイル(&F)");
    EXPECT_EQ(popups[1]->text().toStdU16String(), u"学習選択(&S)");
    EXPECT_EQ(popups[3]->text().toStdU16String(), u"絵かき(&Eｼ)");
    ASSERT_NE(frame.rightMenuBar(), nullptr);
    const auto right = frame.rightMenuBar()->actions();
    ASSERT_EQ(right.size(), 1);
    EXPECT_EQ(right[0]->text().toStdU16String(), u"ヘルプ(&H)");
    // The help popup ends where the menu bar ends, right of the last popup on the left.
    const QRect helpRect = frame.rightMenuBar()->actionGeometry(right[0]);
    const QPoint helpRight = frame.rightMenuBar()->mapTo(&frame, helpRect.topRight());
    EXPECT_GE(helpRight.x(), frame.menuBar()->width() - 12);
    EXPECT_GT(frame.rightMenuBar()->mapTo(&frame, helpRect.topLeft()).x(),
              frame.menuBar()->actionGeometry(popups[3]).right());
    EXPECT_EQ(frame.windowTitle().toStdU16String(), u"Tessaryn - 関数");
    EXPECT_EQ(frame.statusMessage().toStdU16String(), u"レディ");
    ASSERT_NE(frame.action(2793), nullptr);
    EXPECT_EQ(frame.action(2793)->text().toStdU16String(), u"--*連立方程式(&S)");
    ASSERT_NE(frame.action(57603), nullptr);
    EXPECT_EQ(frame.action(57603)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    frame.action(57603)->hover();
    EXPECT_EQ(frame.statusMessage().toStdU16String(), u"作業中のファイルを上書きして保存");
    frame.action(57665)->hover();
    EXPECT_EQ(frame.statusMessage().toStdU16String(),
              u"アプリケーションを終了し、ファイルの保存を指示\\終了");
}

TEST(MainFrame, SaveItemTakesItsAccessLetterS)
{
    CMainFrame frame;
    int saves = 0;
    frame.onCommand(57603, [&] { ++saves; });
    frame.show();
    QMenu *file = frame.menuBar()->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(frame.action(57603)->text().toStdU16String(), u"上書き保存\tCtrl+S(&S)");
    // Alt+F opens the popup; S then chooses 上書き保存.
    file->popup(frame.mapToGlobal(QPoint(0, 0)));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
    QApplication::sendEvent(file, &press);
    QApplication::processEvents();
    EXPECT_EQ(saves, 1);
}

TEST(MainFrame, KeepsItsNormalSizeWhenItsEdgeIsDraggedButMaximises)
{
    CMainFrame frame;
    frame.setNormalSize(QSize(640, 480));
    frame.show();
    QApplication::processEvents();
    frame.resize(700, 500); // what a drag on the edge does
    QApplication::processEvents();
    EXPECT_EQ(frame.size(), QSize(640, 480));
    frame.showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(frame.isMaximized());
}

TEST(TessarynApp, DifficultyMenuMovesTheCheckMark)
{
    // The application keeps settings; a test keeps them out of the user's own.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    CTessarynApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame &frame = *app.mainFrame();
    EXPECT_EQ(app.difficulty(), 0);
    EXPECT_FALSE(frame.action(2790)->isChecked());
    EXPECT_TRUE(frame.action(2791)->isChecked()); // marked at start while the level is 0
    frame.action(2790)->trigger();
    EXPECT_TRUE(frame.action(2790)->isChecked());
    EXPECT_FALSE(frame.action(2791)->isChecked());
    frame.action(2790)->trigger(); // choosing it again keeps the mark
    EXPECT_TRUE(frame.action(2790)->isChecked());
    EXPECT_EQ(app.difficulty(), 0);
    frame.action(2791)->trigger();
    EXPECT_EQ(app.difficulty(), 1);
    EXPECT_TRUE(frame.action(2791)->isChecked());
    EXPECT_FALSE(frame.action(2790)->isChecked());
    // The editing keys have no effect.
    for (int id : {57643, 57635, 57634, 57637, 57680, 57681})
        EXPECT_TRUE(frame.runCommand(id));
}
