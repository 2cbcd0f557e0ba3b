#include "app/DocumentCommands.h"
#include "sketch/TessarynDoc.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef __unix__
#include <QElapsedTimer>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace {

std::string utf8(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
}

QByteArray bytesOf(const std::vector<std::uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

/// A document with its file commands; message boxes and file dialogs are answered from queues
/// and written down.
class FileCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        m_previousBox = setMessageBoxHandler([this](const MessageRequest &request) {
            messages.push_back(utf8(request.text));
            if (answers.empty()) return static_cast<int>(IdOk);
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
        m_previousDialog =
            DocumentCommands::setFileDialogHandler([this](const FileDialogRequest &request) {
                dialogs.push_back(request);
                if (chosenFiles.empty()) return QString();
                const QString path = chosenFiles.front();
                chosenFiles.erase(chosenFiles.begin());
                return path;
            });
        commands.setTitleHandler([this](const QString &title) { caption = title; });
        commands.setRecentFileHandler([this](const QString &path) { recent.push_back(path); });
        commands.OnFileNew();
    }

    void TearDown() override
    {
        setMessageBoxHandler(std::move(m_previousBox));
        DocumentCommands::setFileDialogHandler(std::move(m_previousDialog));
    }

    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    void drawStroke(int x, int y)
    {
        CStroke &stroke = doc.AddStroke();
        stroke.appendPoint(x, y);
        stroke.appendPoint(-x, y + 1);
    }

    QTemporaryDir dir;
    CTessarynDoc doc;
    DocumentCommands commands{doc, nullptr};
    std::vector<std::string> messages;
    std::vector<int> answers;
    std::vector<FileDialogRequest> dialogs;
    std::vector<QString> chosenFiles;
    std::vector<QString> recent;
    QString caption;

private:
    MessageBoxHandler m_previousBox;
    FileDialogHandler m_previousDialog;
};

} // namespace

TEST_F(FileCommandsTest, SaveAsThenOpenRoundTripsStrokesModeTitleAndRecentFiles)
{
    EXPECT_EQ(caption, QStringLiteral("関数"));
    drawStroke(5, 6);
    drawStroke(300, -40);
    doc.OnCommand(CTessarynDoc::kCmdPointSymmetry);
    const QByteArray expected = bytesOf(doc.Serialize());

    // Save with no file yet asks for a name, offering the title; the name is kept as typed.
    chosenFiles = {path("stroke")};
    ASSERT_TRUE(commands.OnFileSave());
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(dialogs[0].initialName, QStringLiteral("関数"));
    EXPECT_EQ(readFile(path("stroke")), expected);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(caption, QStringLiteral("stroke"));
    EXPECT_EQ(commands.pathName(), path("stroke"));

    // New keeps the symmetry mode; opening the file brings back the strokes and its mode.
    ASSERT_TRUE(commands.OnFileNew());
    EXPECT_TRUE(doc.strokes().empty());
    EXPECT_EQ(caption, QStringLiteral("関数"));
    EXPECT_EQ(doc.symmetryMode(), kSymmetryPoint);
    doc.OnCommand(CTessarynDoc::kCmdLineSymmetry);
    chosenFiles = {path("stroke")};
    ASSERT_TRUE(commands.OnFileOpen());
    EXPECT_EQ(dialogs.back().kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(bytesOf(doc.Serialize()), expected);
    EXPECT_EQ(doc.symmetryMode(), kSymmetryPoint);
    EXPECT_EQ(caption, QStringLiteral("stroke"));

    // A later Save goes to the same file without a dialog.
    drawStroke(1, 1);
    ASSERT_TRUE(commands.OnFileSave());
    EXPECT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(readFile(path("stroke")), bytesOf(doc.Serialize()));
    EXPECT_EQ(recent, (std::vector<QString>{path("stroke"), path("stroke"), path("stroke")}));
    EXPECT_TRUE(messages.empty());

    // A cancelled dialog changes nothing.
    EXPECT_FALSE(commands.OnFileSaveAs());
    EXPECT_FALSE(commands.OnFileOpen());
    EXPECT_EQ(doc.strokes().size(), 3u);
}

TEST_F(FileCommandsTest, SaveQuestionGuardsNewOpenAndClose)
{
    struct Row
    {
        int answer;
        bool goesOn;
        bool saved;
    };
    const Row rows[] = {{IdCancel, false, false}, {IdNo, true, false}, {IdYes, true, true}};
    for (const Row &row : rows) {
        doc.setModified(false);
        commands.OnFileNew();
        QFile::remove(path("q"));
        chosenFiles = {path("q")};
        drawStroke(9, 9);
        messages.clear();
        answers = {row.answer};
        EXPECT_EQ(commands.OnFileNew(), row.goesOn) << row.answer;
        ASSERT_EQ(messages, std::vector<std::string>{"関数 への変更を保存しますか?"});
        EXPECT_EQ(doc.strokes().empty(), row.goesOn) << row.answer;
        EXPECT_EQ(QFile::exists(path("q")), row.saved) << row.answer;
        // Cancel keeps the document as it was, still modified.
        if (!row.goesOn) {
            EXPECT_TRUE(doc.isModified());
        }
    }

    // Yes with a save that is cancelled in its dialog stops the command too.
    commands.OnFileNew();
    drawStroke(1, 2);
    answers = {IdYes};
    EXPECT_FALSE(commands.SaveModified());
    EXPECT_EQ(doc.strokes().size(), 1u);

    // Opening asks about the modified document after the file is chosen, with the file's title.
    writeFile(path("other"), CTessarynDoc().Serialize());
    chosenFiles = {path("other")};
    answers = {IdCancel};
    messages.clear();
    EXPECT_FALSE(commands.OnFileOpen());
    EXPECT_EQ(messages, std::vector<std::string>{"関数 への変更を保存しますか?"});
    EXPECT_EQ(doc.strokes().size(), 1u);

    // 画面クリア leaves nothing to save: closing asks nothing.
    doc.OnCommand(CTessarynDoc::kCmdClearAll);
    messages.clear();
    EXPECT_TRUE(commands.SaveModified());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommandsTest, LoadErrorsAreReportedAndLeaveAnEmptyDocument)
{
    std::vector<std::uint8_t> bad = CTessarynDoc().Serialize();
    bad.pop_back(); // the stroke count is cut short
    writeFile(path("short"), bad);
    std::vector<std::uint8_t> strange = {0xC8, 0, 0, 0, 0xC8, 0, 0, 0, 1, 0, 1, 0, 0, 0};
    writeFile(path("null"), strange); // a null entry in the stroke list
    struct Row
    {
        const char *name;
        std::string message;
        bool emptied;
    };
    const std::string shortName = QDir::toNativeSeparators(path("short")).toStdString();
    const std::string nullName = QDir::toNativeSeparators(path("null")).toStdString();
    const std::string missing = QDir::toNativeSeparators(path("missing")).toStdString();
    const Row rows[] = {
        {"short", shortName + " の末尾以降にアクセスしようとしました。", true},
        {"null", nullName + " の形式が正しくありません。", true},
        // A file that does not exist costs the open document nothing.
        {"missing", missing + " が見つかりません。", false},
    };
    for (const Row &row : rows) {
        doc.setModified(false);
        commands.OnFileNew();
        chosenFiles = {path("kept")};
        drawStroke(3, 4);
        ASSERT_TRUE(commands.OnFileSave());
        drawStroke(5, 6);
        messages.clear();
        answers = {IdNo};
        EXPECT_FALSE(commands.OpenDocumentFile(path(row.name))) << row.name;
        ASSERT_EQ(messages.size(), 2u) << row.name;
        EXPECT_EQ(messages[1], row.message);
        EXPECT_EQ(doc.strokes().empty(), row.emptied) << row.name;
        if (row.emptied) {
            EXPECT_FALSE(doc.isModified());
            EXPECT_EQ(caption, QStringLiteral("関数"));
            EXPECT_TRUE(commands.pathName().isEmpty());
        } else {
            EXPECT_EQ(caption, QStringLiteral("kept"));
        }
    }
}

TEST_F(FileCommandsTest, FailedSaveKeepsTheOldFileAndTheModifiedDocument)
{
    chosenFiles = {path("old")};
    drawStroke(1, 2);
    ASSERT_TRUE(commands.OnFileSave());
    const QByteArray old = readFile(path("old"));

    // A name in a folder that does not exist cannot be written.
    drawStroke(3, 4);
    EXPECT_FALSE(commands.DoSave(path("nowhere/new")));
    EXPECT_EQ(messages, std::vector<std::string>{"ドキュメントの保存に失敗しました。"});
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(commands.pathName(), path("old"));

#ifdef __unix__
    // The disk refuses the new contents half way through: the old file must survive whole.
    for (int i = 0; i < 200; ++i)
        drawStroke(i, i);
    messages.clear();
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto *previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 256;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = commands.OnFileSave();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(messages, std::vector<std::string>{"ドキュメントの保存に失敗しました。"});
    EXPECT_EQ(readFile(path("old")), old);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old")});
#endif
}

#ifdef __unix__
namespace {

/// Peak resident memory of the process in kilobytes.
long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool isFifo(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

} // namespace

// What is no regular file, or too large for any drawing, is refused at once, without reading it:
// an endless device, a FIFO without a writer (opening it would wait forever), a link named like a
// sketch pointing at either, and a sparse file one byte above the limit. The open document stays
// as it was where nothing was read.
TEST_F(FileCommandsTest, OpenRefusesWhatIsNoFileOrTooLargeQuicklyAndWithoutMemory)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path("zero.tsk")));
    ASSERT_TRUE(QFile::link(path("fifo"), path("fifo.tsk")));
    {
        QFile big(path("big"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(DocumentCommands::kMaxFileBytes + 1));
    }
    struct Row
    {
        QString path;
        std::string message;
        bool emptied;
    };
    const auto name = [](const QString &p) { return QDir::toNativeSeparators(p).toStdString(); };
    const Row rows[] = {
        {QStringLiteral("/dev/zero"), "/dev/zero が見つかりません。", false},
        {path("zero.tsk"), name(path("zero.tsk")) + " が見つかりません。", false},
        {path("fifo"), name(path("fifo")) + " が見つかりません。", false},
        {path("fifo.tsk"), name(path("fifo.tsk")) + " が見つかりません。", false},
        {dir.path(), name(dir.path()) + " が見つかりません。", false},
        {path("big"), name(path("big")) + " の形式が正しくありません。", true},
    };
    for (const Row &row : rows) {
        drawStroke(1, 2);
        doc.setModified(false);
        messages.clear();
        const long peakBefore = peakKilobytes();
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(commands.OpenDocumentFile(row.path)) << row.message;
        EXPECT_LT(timer.elapsed(), 1000) << row.message;
        EXPECT_LT(peakKilobytes() - peakBefore, 100 * 1024) << row.message;
        EXPECT_EQ(messages, std::vector<std::string>{row.message});
        EXPECT_EQ(doc.strokes().empty(), row.emptied) << row.message;
    }
    EXPECT_TRUE(isFifo(path("fifo")));

    // A file of exactly the limit is read: zeros are an empty sketch of size 0 x 0.
    {
        QFile limit(path("limit"));
        ASSERT_TRUE(limit.open(QIODevice::WriteOnly));
        ASSERT_TRUE(limit.resize(DocumentCommands::kMaxFileBytes));
    }
    messages.clear();
    EXPECT_TRUE(commands.OpenDocumentFile(path("limit")));
    EXPECT_TRUE(messages.empty());
}

// A save never puts a file in place of a folder, a device or a FIFO: it is refused with 61698 and
// the node stays what it was. A link is followed: the file it names gets the new contents and the
// link stays a link, also when it named nothing yet; a loop of links is refused.
TEST_F(FileCommandsTest, SaveReplacesOnlyRegularFilesAndKeepsLinks)
{
    drawStroke(7, 8);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    // A device node of its own (a copy of /dev/null) where the test may make one (as root).
    const bool device =
        ::mknod(QFile::encodeName(path("null")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    ASSERT_TRUE(QFile::link(path("fifo"), path("fifo.tsk")));
    std::vector<QString> refused = {path("fifo"), path("fifo.tsk"), path("folder")};
    if (device) refused.push_back(path("null"));
    for (const QString &target : refused) {
        messages.clear();
        EXPECT_FALSE(commands.DoSave(target)) << target.toStdString();
        EXPECT_EQ(messages, std::vector<std::string>{"ドキュメントの保存に失敗しました。"});
        EXPECT_TRUE(doc.isModified());
    }
    EXPECT_TRUE(isFifo(path("fifo")));
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    if (device) {
        struct stat info = {};
        ASSERT_EQ(::lstat(QFile::encodeName(path("null")).constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
    }

    writeFile(path("target"), {1, 2, 3});
    ASSERT_TRUE(QFile::link(path("target"), path("link.tsk")));
    ASSERT_TRUE(QFile::link(path("link.tsk"), path("link2.tsk")));
    ASSERT_TRUE(QFile::link(path("new"), path("dangling.tsk")));
    const std::pair<const char *, const char *> links[] = {
        {"link.tsk", "target"}, {"link2.tsk", "target"}, {"dangling.tsk", "new"}};
    for (const auto &[link, target] : links) {
        messages.clear();
        drawStroke(9, 9);
        ASSERT_TRUE(commands.DoSave(path(link))) << link;
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(QFileInfo(path(link)).isSymLink()) << link;
        EXPECT_EQ(readFile(path(target)), bytesOf(doc.Serialize())) << link;
        EXPECT_EQ(commands.pathName(), path(link));
    }

    ASSERT_TRUE(QFile::link(path("loop1"), path("loop2")));
    ASSERT_TRUE(QFile::link(path("loop2"), path("loop1")));
    EXPECT_FALSE(commands.DoSave(path("loop1")));
    EXPECT_TRUE(QFileInfo(path("loop1")).isSymLink());
}
#endif
