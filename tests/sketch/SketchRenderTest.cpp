// tessaryn-render on the sketch view: scripted drags and menu commands, the saved file and the PNG.
#include "tools/render/RenderCommand.h"
#include "tools/render/SketchTarget.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int render(std::vector<std::string> args)
{
    auto parsed = parseRenderCommand(args);
    if (auto *error = std::get_if<std::string>(&parsed)) {
        ADD_FAILURE() << *error;
        return -1;
    }
    return renderSketch(std::get<RenderCommand>(parsed));
}

bool isBlack(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 96;
}

} // namespace

TEST(SketchRender, DragsCommandsSaveAndPngOfTheView)
{
    QTemporaryDir dir;
    const std::string png = dir.filePath(QStringLiteral("out.png")).toStdString();
    const std::string saved = dir.filePath(QStringLiteral("out.sk")).toStdString();
    ASSERT_EQ(render({"--sketch", "-", "--drag", "100,100:150,100:200,100", "--command", "2774",
                      "--png", png, "--save", saved}),
              0);
    // The command is followed by a repaint: the stroke and its point mirror about (320, 200).
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(640, 400));
    EXPECT_TRUE(isBlack(image, 175, 100));
    EXPECT_TRUE(isBlack(image, 640 - 175, 400 - 100));

    QFile file(QString::fromStdString(saved));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray header("\xC8\0\0\0\xC8\0\0\0\x01\0\x01\0", 12);
    EXPECT_EQ(bytes.left(12), header);
    EXPECT_EQ(bytes.size(), 12 + 13 + 2 + 2 + 3 * 4);

    // Opening the saved file takes its mode; a drag afterwards leaves its formulas in the PNG.
    ASSERT_EQ(
        render({"--sketch", saved, "--size", "500x300", "--drag", "10,250:30,260", "--png", png}),
        0);
    const QImage reopened(QString::fromStdString(png));
    ASSERT_EQ(reopened.size(), QSize(500, 300));
    EXPECT_TRUE(isBlack(reopened, 2 * 250 - 175, 2 * 150 - 100));
    bool formulas = false;
    for (int y = 60; y < 100 && !formulas; ++y) {
        for (int x = 20; x < 60 && !formulas; ++x)
            formulas = isBlack(reopened, x, y);
    }
    EXPECT_TRUE(formulas);

    EXPECT_EQ(render({"--sketch", "-", "--command", "57600"}), 2);
    EXPECT_EQ(render({"--sketch", "-", "--press", "1"}), 2);
    EXPECT_EQ(render({"--sketch", dir.filePath(QStringLiteral("missing")).toStdString()}), 2);
}
