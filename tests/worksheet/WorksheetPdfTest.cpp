#include "drill/WorksheetPdf.h"
#include "drill/Drill.h"
#include "drill/Worksheet.h"
#include "ui/MessageBox.h"
#include "ui/NullCanvas.h"
#include "ui/QtCanvas.h"
#include "ui/SeedSource.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

namespace {

/// The output of a poppler tool, or an empty text when it fails.
QString runTool(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &file, int firstPage, int lastPage)
{
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(firstPage), QStringLiteral("-l"),
                    QString::number(lastPage), file, QStringLiteral("-")});
}

int pdfPages(const QString &file)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {file});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

/// How often each exercise label "問N" stands in a text.
std::map<int, int> labelCounts(const QString &text)
{
    std::map<int, int> counts;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("問(\\d+)")).globalMatch(text);
    while (it.hasNext())
        ++counts[it.next().captured(1).toInt()];
    return counts;
}

QString withoutBlanks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

/// Every text the generator writes, in order.
class TextCollector : public NullCanvas
{
public:
    std::vector<std::u16string> texts;

protected:
    void doTextOut(int, int, std::u16string_view text) override { texts.emplace_back(text); }
};

class WorksheetPdf : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
};

} // namespace

TEST_F(WorksheetPdf, TwelveLogarithmExercisesWithTheirAnswersAsSearchableText)
{
    WorksheetRequest request;
    request.topic = DrillTopic::Logarithm;
    request.count = 12;
    request.seed = 7;
    const QString file = path("log.pdf");
    ASSERT_TRUE(writeWorksheetPdf(request, file));
    // Three frames under the header, four on the next two pages, one on the fourth; the answers
    // from page 5, four to a page.
    ASSERT_EQ(pdfPages(file), 7);

    const QString questions = pdfText(file, 1, 4);
    const QString answers = pdfText(file, 5, 7);
    ASSERT_FALSE(questions.isEmpty());
    std::map<int, int> once;
    for (int n = 1; n <= 12; ++n)
        once[n] = 1;
    EXPECT_EQ(labelCounts(questions), once);
    EXPECT_EQ(labelCounts(answers), once);
    EXPECT_EQ(questions.count(QStringLiteral("次の問いに答えよ。ただし log2=0.3010,log3=0.4771")),
              12);
    EXPECT_EQ(answers.count(QStringLiteral("次の問いに答えよ")), 0);
    EXPECT_TRUE(questions.contains(QStringLiteral("単元：対数の性質")));
    EXPECT_TRUE(questions.contains(QStringLiteral("名前")));
    EXPECT_TRUE(questions.contains(QStringLiteral("日付")));
    EXPECT_TRUE(questions.contains(QStringLiteral("シード 7")));

    // Each exercise's own texts, as its generator writes them, in the question pages; the texts
    // of its answer in the answer pages.
    QImage scratch(16, 16, QImage::Format_RGB32);
    QtCanvas measure(scratch);
    const std::optional<Worksheet> sheet = Worksheet::create(request, measure);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->pageCount(), 7);
    const QString plainQuestions = withoutBlanks(questions);
    const QString plainAnswers = withoutBlanks(answers);
    for (const WorksheetExercise &exercise : sheet->exercises()) {
        TextCollector question;
        drawWorksheetExercise(question, request.topic, exercise, false);
        TextCollector whole;
        drawWorksheetExercise(whole, request.topic, exercise, true);
        for (std::size_t i = 0; i < whole.texts.size(); ++i) {
            const QString text = withoutBlanks(QString::fromStdU16String(whole.texts[i]));
            const bool inQuestion = i < question.texts.size();
            EXPECT_TRUE((inQuestion ? plainQuestions : plainAnswers).contains(text))
                << text.toStdString();
        }
    }
}

TEST_F(WorksheetPdf, EveryTopicMakesASheet)
{
    for (const std::int16_t topic : kDrillTopics) {
        WorksheetRequest request;
        request.topic = topic;
        request.count = 12;
        request.seed = static_cast<unsigned>(topic);
        request.title = u"一学期 復習";
        const QString file = path("topic.pdf");
        ASSERT_TRUE(writeWorksheetPdf(request, file)) << topic;
        QImage scratch(16, 16, QImage::Format_RGB32);
        QtCanvas measure(scratch);
        EXPECT_EQ(pdfPages(file), Worksheet::create(request, measure)->pageCount()) << topic;
        const QString text = pdfText(file, 1, 1);
        EXPECT_TRUE(text.contains(QStringLiteral("一学期 復習"))) << topic;
        EXPECT_TRUE(text.contains(QString::fromStdU16String(Worksheet::topicName(topic)))) << topic;
    }
}

TEST_F(WorksheetPdf, RefusedRequestOrUnwritableFileLeavesNoSheet)
{
    WorksheetRequest request;
    request.topic = 2789; // no drill
    EXPECT_FALSE(writeWorksheetPdf(request, path("none.pdf")));
    EXPECT_FALSE(QFile::exists(path("none.pdf")));
    request.topic = DrillTopic::Logarithm;
    EXPECT_FALSE(writeWorksheetPdf(request, path("missing/dir/sheet.pdf")));
}

// Ctrl+P in the drill window saves the sheet of its topic whose first exercise is the one shown;
// the window itself is unchanged.
TEST_F(WorksheetPdf, DrillWindowSavesItsSheetOnCtrlP)
{
    const QString file = path("drill.pdf");
    QString suggested;
    auto previous = CDrill::setWorksheetFileChooser([&](QWidget *, const QString &name) {
        suggested = name;
        return file;
    });
    fixRandomSeed(7u);
    CDrill drill(DrillTopic::Logarithm, 0);
    drill.initialize();
    fixRandomSeed(std::nullopt);
    const std::vector<std::string> before = drill.recordPaint();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier);
    QApplication::sendEvent(&drill, &press);
    CDrill::setWorksheetFileChooser(std::move(previous));

    EXPECT_EQ(suggested, QStringLiteral("ドリル_対数の性質_7.pdf"));
    ASSERT_EQ(pdfPages(file), 7); // the same sheet as tessaryn-worksheet's with seed 7
    EXPECT_EQ(labelCounts(pdfText(file, 1, 4)).size(), 12u);
    EXPECT_EQ(drill.recordPaint(), before);
    EXPECT_FALSE(drill.answerShown());
    EXPECT_EQ(drill.controlText(141), u"答え");
    EXPECT_EQ(drill.controlText(1), u"終了");
}

TEST_F(WorksheetPdf, DrillWindowWritesNothingWhenTheChoiceIsCancelled)
{
    auto previous =
        CDrill::setWorksheetFileChooser([](QWidget *, const QString &) { return QString(); });
    int messages = 0;
    auto handler = setMessageBoxHandler([&messages](const MessageRequest &) {
        ++messages;
        return IdOk;
    });
    CDrill drill(DrillTopic::Parabola, 0);
    drill.initialize();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier);
    QApplication::sendEvent(&drill, &press);
    CDrill::setWorksheetFileChooser(std::move(previous));
    setMessageBoxHandler(std::move(handler));
    EXPECT_EQ(messages, 0);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}
