#include "embedded_pictures.h"
#include "jpeg_decoder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray resourceBytes(const QString& resource)
{
    QFile file(resource);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
    return file.readAll();
}

// JPEG colours are near, not exact.
::testing::AssertionResult near(const QImage& image, int x, int y, const QColor& expected)
{
    const QColor seen = image.pixelColor(x, y);
    if (std::abs(seen.red() - expected.red()) <= 24 && std::abs(seen.green() - expected.green()) <= 24 &&
        std::abs(seen.blue() - expected.blue()) <= 24)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << x << "," << y << ": rgb(" << seen.red() << ", " << seen.green()
                                         << ", " << seen.blue() << ")";
}

const QColor PictureYellow(254, 242, 0);
const QColor Black(0, 0, 0);

// The position of the height in the first baseline frame header.
qsizetype frameHeightAt(const QByteArray& jpeg)
{
    const qsizetype marker = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(marker, 0);
    return marker + 5;  // marker, length (2), precision (1)
}

void expectRefused(const QByteArray& bytes, const char* what)
{
    const DecodedJpeg decoded = decodeJpeg(bytes);
    EXPECT_FALSE(decoded.error.isEmpty()) << what;
    EXPECT_TRUE(decoded.image.isNull()) << what;
}

}  // namespace

TEST(JpegDecoder, PromptPicture)
{
    const DecodedJpeg decoded = decodeJpeg(resourceBytes(PromptPictureResource));
    ASSERT_TRUE(decoded.error.isEmpty()) << decoded.error.toStdString();
    const QImage& image = decoded.image;
    EXPECT_EQ(image.size(), QSize(124, 76));
    EXPECT_TRUE(near(image, 100, 10, PictureYellow)) << "empty above the text, right of the arrows";
    EXPECT_TRUE(near(image, 12, 30, Black)) << "left edge of the left shaft";
    EXPECT_TRUE(near(image, 18, 30, PictureYellow)) << "hollow shaft";
    EXPECT_TRUE(near(image, 18, 2, Black)) << "left tip";
    EXPECT_TRUE(near(image, 58, 2, Black)) << "right tip";
    EXPECT_TRUE(near(image, 58, 35, PictureYellow)) << "below the short right arrow";
    EXPECT_EQ(embeddedJpeg(PromptPictureResource), decoded.image);
}

TEST(JpegDecoder, RestartPicture)
{
    const DecodedJpeg decoded = decodeJpeg(resourceBytes(RestartPictureResource));
    ASSERT_TRUE(decoded.error.isEmpty()) << decoded.error.toStdString();
    const QImage& image = decoded.image;
    EXPECT_EQ(image.size(), QSize(100, 63));
    for (auto [x, y] : {std::pair{1, 30}, {98, 30}, {50, 1}, {50, 61}})
        EXPECT_TRUE(near(image, x, y, QColor(185, 122, 87))) << "frame";
    EXPECT_TRUE(near(image, 50, 32, PictureYellow)) << "face between the lines";
    EXPECT_TRUE(near(image, 90, 45, PictureYellow)) << "right of the shorter line";
}

TEST(JpegDecoder, RefusesDamagedPictures)
{
    const QByteArray good = resourceBytes(PromptPictureResource);
    expectRefused(QByteArray(), "empty");
    expectRefused(good.left(good.size() / 2), "truncated in the picture data");
    expectRefused(good.left(good.size() - 2), "without its end marker");
    expectRefused(good.left(40), "truncated in the headers");
    expectRefused(QByteArray("GIF89a, or anything else that is not a JPEG file"), "garbage");
    expectRefused(QByteArray(4000, '\xFF'), "nothing but fill bytes");

    QByteArray noHeight = good;
    noHeight[frameHeightAt(noHeight)] = 0;
    noHeight[frameHeightAt(noHeight) + 1] = 0;
    expectRefused(noHeight, "height 0");

    QByteArray huge = good;
    for (qsizetype at = frameHeightAt(huge); at < frameHeightAt(huge) + 4; ++at) huge[at] = '\xEA';
    expectRefused(huge, "60138 x 60138 pixels");
}
