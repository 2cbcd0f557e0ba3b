// The sketch in the running program: the view as the main window's client, its menu commands, the
// caption, a file named at start-up and the question asked when the window closes.
#include "app/DocumentCommands.h"
#include "app/MainFrame.h"
#include "app/TessarynApp.h"
#include "sketch/TessarynDoc.h"
#include "sketch/TessarynView.h"
#include "ui/MessageBox.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

/// Settings in a folder of their own; message boxes written down and answered from a queue.
class SketchWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        m_previous = setMessageBoxHandler([this](const MessageRequest &request) {
            messages.push_back(QString::fromUtf16(request.text.data(),
                                                  static_cast<qsizetype>(request.text.size())));
            if (answers.empty()) return static_cast<int>(IdOk);
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
    }
    void TearDown() override { setMessageBoxHandler(std::move(m_previous)); }

    QString sketchFile(SymmetryMode mode) const
    {
        CTessarynDoc doc;
        doc.setSymmetryMode(mode);
        CStroke &stroke = doc.AddStroke();
        stroke.appendPoint(100, 100);
        stroke.appendPoint(150, 120);
        const std::vector<std::uint8_t> bytes = doc.Serialize();
        const QString path = dir.filePath(QStringLiteral("start.sk"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
        return path;
    }

    QTemporaryDir dir;
    std::vector<QString> messages;
    std::vector<int> answers;

private:
    MessageBoxHandler m_previous;
};

} // namespace

TEST_F(SketchWindowTest, ServesTheSketchAndFileCommandsAndAsksBeforeClosing)
{
    CTessarynApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame &frame = *app.mainFrame();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tessaryn - 関数"));
    ASSERT_EQ(frame.centralWidget(), app.view());
    EXPECT_TRUE(app.document()->strokes().empty());

    frame.runCommand(CTessarynDoc::kCmdPointSymmetry);
    EXPECT_EQ(app.document()->symmetryMode(), kSymmetryPoint);
    frame.runCommand(CTessarynDoc::kCmdLineSymmetry);
    EXPECT_EQ(app.document()->symmetryMode(), kSymmetryLine);
    app.view()->dragAlong({{10, 10}, {20, 20}});
    EXPECT_TRUE(app.document()->isModified());
    frame.runCommand(CTessarynDoc::kCmdClearAll);
    EXPECT_TRUE(app.document()->strokes().empty());

    // Saving names the document in the caption and the recent-file list.
    const QString saved = dir.filePath(QStringLiteral("saved"));
    auto previousDialog =
        DocumentCommands::setFileDialogHandler([&](const FileDialogRequest &) { return saved; });
    app.view()->dragAlong({{10, 10}, {20, 20}});
    frame.runCommand(57603);
    DocumentCommands::setFileDialogHandler(std::move(previousDialog));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tessaryn - saved"));
    ASSERT_FALSE(app.recentFiles().isEmpty());
    EXPECT_EQ(app.recentFiles().front(), saved);
    EXPECT_TRUE(messages.empty());

    // Closing a modified sketch asks first; Cancel keeps the window, and after 画面クリア nothing
    // is left to ask about.
    app.view()->dragAlong({{10, 10}, {20, 20}});
    answers = {IdCancel};
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("saved への変更を保存しますか?")});
    frame.runCommand(CTessarynDoc::kCmdClearAll);
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SketchWindowTest, OpensTheFileNamedAtStartUpOrEndsWithItsMessage)
{
    {
        CTessarynApp app;
        ASSERT_TRUE(app.InitInstance({sketchFile(kSymmetryPoint)}));
        EXPECT_EQ(app.mainFrame()->windowTitle(), QStringLiteral("Tessaryn - start.sk"));
        EXPECT_EQ(app.document()->strokes().size(), 1u);
        EXPECT_EQ(app.document()->symmetryMode(), kSymmetryPoint);
    }
    CTessarynApp app;
    const QString missing = dir.filePath(QStringLiteral("missing.sk"));
    EXPECT_FALSE(app.InitInstance({missing}));
    EXPECT_EQ(messages, std::vector<QString>{missing + QStringLiteral(" が見つかりません。")});
}
