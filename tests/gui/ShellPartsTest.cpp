// The window's own parts: its start options and the menu backdrop's blur.
#include "Backdrop.h"
#include "QtOptions.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using qtshell::QtOptions;
using qtshell::takeQtOptions;

TEST(QtOptions, WindowOptionsAreTakenAndTheRestLeftForQt) {
    std::vector<std::string> args{"-platform", "offscreen",   "--scale",
                                  "1.5",       "--open-menu", "--first-frame-exit"};
    QtOptions o;
    EXPECT_FALSE(takeQtOptions(args, o));
    EXPECT_DOUBLE_EQ(o.scale, 1.5);
    EXPECT_TRUE(o.openMenu);
    EXPECT_TRUE(o.firstFrameExit);
    EXPECT_EQ(args, (std::vector<std::string>{"-platform", "offscreen"}));
}

TEST(QtOptions, UnusableScalesAreRefused) {
    for (const char* bad : {"big", "1.5x", "", "0", "0.1", "100", "nan", "inf", "-2"}) {
        std::vector<std::string> args{"--scale", bad};
        QtOptions o;
        EXPECT_TRUE(takeQtOptions(args, o)) << bad;
        EXPECT_DOUBLE_EQ(o.scale, 1.0) << bad;
    }
    std::vector<std::string> missing{"--scale"};
    QtOptions o;
    EXPECT_TRUE(takeQtOptions(missing, o));
}

QImage filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

TEST(BackdropBlur, UniformPictureStaysTheSame) {
    const QImage blurred = qtshell::Backdrop::blurred(filled({40, 30}, QColor(8, 126, 139)), 4);
    ASSERT_EQ(blurred.size(), QSize(40, 30));
    for (QPoint p : {QPoint(0, 0), QPoint(39, 29), QPoint(20, 15)})
        EXPECT_EQ(blurred.pixelColor(p), QColor(8, 126, 139));
}

TEST(BackdropBlur, SharpEdgeIsSoftenedOnBothSides) {
    QImage image = filled({40, 10}, Qt::black);
    for (int y = 0; y < 10; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixelColor(x, y, Qt::white);
    const QImage blurred = qtshell::Backdrop::blurred(image, 3);
    const int left = blurred.pixelColor(18, 5).red(), right = blurred.pixelColor(21, 5).red();
    EXPECT_GT(left, 0);
    EXPECT_LT(right, 255);
    EXPECT_LT(left, right);
    EXPECT_EQ(blurred.pixelColor(0, 5).red(), 0);
    EXPECT_EQ(blurred.pixelColor(39, 5).red(), 255);
}

TEST(BackdropBlur, TinyOrEmptyPicturesAreHandled) {
    EXPECT_EQ(qtshell::Backdrop::blurred(filled({1, 1}, Qt::red), 8).pixelColor(0, 0),
              QColor(Qt::red));
    EXPECT_TRUE(qtshell::Backdrop::blurred(QImage(), 4).isNull());
    EXPECT_EQ(qtshell::Backdrop::blurred(filled({3, 2}, Qt::blue), 0).size(), QSize(3, 2));
}

} // namespace
