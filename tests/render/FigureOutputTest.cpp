#include "tools/render/FigureOutput.h"
#include "tools/render/RenderCommand.h"
#include "tools/render/RenderTargets.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

int run(std::vector<std::string> args)
{
    const auto parsed = parseRenderCommand(args);
    EXPECT_TRUE(std::holds_alternative<RenderCommand>(parsed));
    if (!std::holds_alternative<RenderCommand>(parsed)) return -1;
    return runRenderCommand(std::get<RenderCommand>(parsed));
}

QImage svgImage(const QString &file, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(file);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage pdfImage(const QString &file, const QString &stem)
{
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), file, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

/// The share of the pixels that `a` draws (those not of its background colour, the top-left
/// pixel's) where `b`, scaled to `a`'s size, has nearly the same colour.
double agreement(const QImage &a, const QImage &b)
{
    if (a.isNull() || b.isNull()) return 0;
    const double sx = static_cast<double>(b.width()) / a.width();
    const double sy = static_cast<double>(b.height()) / a.height();
    auto distance = [](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    };
    const QRgb background = a.pixel(0, 0);
    int drawn = 0;
    int same = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            if (distance(p, background) < 48) continue;
            ++drawn;
            const QRgb q =
                b.pixel(static_cast<int>((x + 0.5) * sx), static_cast<int>((y + 0.5) * sy));
            if (distance(p, q) < 96) ++same;
        }
    }
    return drawn == 0 ? 0 : static_cast<double>(same) / drawn;
}

class FigureOutput : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    std::string path(const char *name) const
    {
        return dir.filePath(QString::fromUtf8(name)).toStdString();
    }
};

} // namespace

TEST(RenderCommand, ReadsVectorOutputsScaleAndBatch)
{
    const auto result = parseRenderCommand(
        {"--lesson", "2770", "--svg", "a.svg", "--pdf", "a.pdf", "--scale", "1.5", "--png", "a"});
    ASSERT_TRUE(std::holds_alternative<RenderCommand>(result));
    const RenderCommand &cmd = std::get<RenderCommand>(result);
    EXPECT_EQ(cmd.svgFile, "a.svg");
    EXPECT_EQ(cmd.pdfFile, "a.pdf");
    EXPECT_EQ(cmd.scale, 1.5);

    const auto batch = parseRenderCommand({"--batch", "-"});
    ASSERT_TRUE(std::holds_alternative<RenderCommand>(batch));
    EXPECT_EQ(std::get<RenderCommand>(batch).batchFile, "-");

    for (const char *scale : {"0", "-1", "8.5", "2x", "", "nan"})
        EXPECT_TRUE(std::holds_alternative<std::string>(
            parseRenderCommand({"--lesson", "2770", "--scale", scale})))
            << scale;
    EXPECT_TRUE(std::holds_alternative<std::string>(
        parseRenderCommand({"--batch", "-", "--lesson", "2770"})));
}

// The SVG and the PDF of a lesson window show what its PNG shows: the figure, its texts and the
// controls, at the same places (a figure turned or stretched agrees on far fewer pixels).
TEST_F(FigureOutput, VectorFiguresOfALessonLookLikeItsPng)
{
    const std::string png = path("l.png");
    const std::string svg = path("l.svg");
    const std::string pdf = path("l.pdf");
    ASSERT_EQ(run({"--lesson", "2770", "--press", "104", "--png", png, "--svg", svg, "--pdf", pdf}),
              0);
    const QImage screen = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), QSize(512, 336));
    const QImage fromSvg = svgImage(QString::fromStdString(svg), screen.size());
    const QImage fromPdf = pdfImage(QString::fromStdString(pdf), dir.filePath(QStringLiteral("p")));
    ASSERT_EQ(fromPdf.size(), screen.size());
    // Measured: SVG 0.96, PDF 0.98 (text antialiased by another rasteriser); the SVG turned
    // upside down 0.65, moved by 3 pixels 0.75.
    EXPECT_GT(agreement(screen, fromSvg), 0.92);
    EXPECT_GT(agreement(screen, fromPdf), 0.92);
    EXPECT_LT(agreement(screen, fromSvg.mirrored(false, true)), 0.85);
    EXPECT_LT(agreement(screen, fromSvg.copy(3, 3, 512, 336)), 0.85);
}

TEST_F(FigureOutput, ScaledPngIsTheFigureAtKTimesItsSize)
{
    const std::string one = path("1.png");
    const std::string two = path("2.png");
    ASSERT_EQ(run({"--lesson", "2770", "--press", "104", "--png", one}), 0);
    ASSERT_EQ(run({"--lesson", "2770", "--press", "104", "--png", two, "--scale", "2"}), 0);
    const QImage small = QImage(QString::fromStdString(one)).convertToFormat(QImage::Format_RGB32);
    const QImage large = QImage(QString::fromStdString(two)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(large.size(), small.size() * 2);
    EXPECT_GT(agreement(small, large), 0.9); // measured 0.94

    const std::string formula = path("f.png");
    ASSERT_EQ(run({"--formula", "x^2+1", "--png", formula, "--scale", "1.5"}), 0);
    EXPECT_EQ(QImage(QString::fromStdString(formula)).size(), QSize(720, 180));
}

TEST_F(FigureOutput, FormulaAndSketchWriteVectorFiguresWithTextsAsTexts)
{
    const std::string svg = path("f.svg");
    ASSERT_EQ(run({"--formula", "y=2x+1", "--svg", svg}), 0);
    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("<text"));
    EXPECT_TRUE(content.contains("viewBox=\"0 0 480 120\""));

    const std::string sketch = path("s.pdf");
    ASSERT_EQ(run({"--sketch", "-", "--drag", "10,10:200,100", "--pdf", sketch}), 0);
    const QImage page = pdfImage(QString::fromStdString(sketch), dir.filePath(QStringLiteral("s")));
    EXPECT_EQ(page.size(), QSize(640, 400));
}

TEST_F(FigureOutput, UnwritableVectorFileFailsWithStatusOne)
{
    takeRenderErrors();
    EXPECT_EQ(run({"--about", "--svg", path("no/such/dir/a.svg")}), 1);
    EXPECT_NE(takeRenderErrors().find("cannot write"), std::string::npos);
    EXPECT_EQ(run({"--formula", "x", "--pdf", path("no/such/dir/a.pdf")}), 1);
}

TEST_F(FigureOutput, FastPngKeepsEveryPixel)
{
    QImage image(37, 11, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 23, (x * y) % 256));
    const std::string file = path("fast.png");
    ASSERT_TRUE(savePngFast(image, file));
    EXPECT_EQ(QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32), image);
    EXPECT_FALSE(savePngFast(image, path("no/such/dir/fast.png")));
}
