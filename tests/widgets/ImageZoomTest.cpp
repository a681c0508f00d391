#include "widgets/ImageZoom.h"
#include "widgets/PictureSize.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

using widgets::ImageZoom;
using widgets::pictureSize;
using widgets::PixelSize;

TEST(ImageZoom, StartsAtOneAndZoomsBetweenItsLimits) {
    ImageZoom zoom({0, 0, 343, 300}, "card.jpg", std::nullopt, PixelSize{1000, 700});
    EXPECT_EQ(zoom.zoomScale(), 1.0);
    EXPECT_EQ(zoom.contentWidth(), 1000);
    EXPECT_EQ(zoom.contentHeight(), 700);
    EXPECT_EQ(zoom.minimumZoomScale(), 0.07000000029802322);

    zoom.setZoomScale(0.01);
    EXPECT_NEAR(zoom.contentWidth(), 70, 1e-6);
    EXPECT_NEAR(zoom.contentHeight(), 49, 1e-6);
    zoom.setZoomScale(10);
    EXPECT_EQ(zoom.contentWidth(), 2000);
    EXPECT_EQ(zoom.contentHeight(), 1400);
    zoom.setZoomScale(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(zoom.zoomScale(), 2.0);
    zoom.setZoomScale(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(zoom.zoomScale(), zoom.minimumZoomScale());

    // Shown anew with a picture of unknown size.
    zoom.show({0, 0, 343, 300}, std::nullopt, "/photos/p.jpg", std::nullopt);
    EXPECT_EQ(zoom.toJson(),
              (nlohmann::json{{"image", "/photos/p.jpg"}, {"zoom", 1.0}, {"hidden", false}}));
    EXPECT_EQ(zoom.contentWidth(), 0);
}

TEST(ImageZoom, NameWinsOverPicture) {
    ImageZoom zoom({}, "japan.jpg", "/photos/p.jpg", std::nullopt);
    EXPECT_EQ(zoom.image(), "japan.jpg");
    EXPECT_EQ(ImageZoom({}, std::nullopt, std::nullopt, std::nullopt).image(), "");
}

TEST(PictureSize, JpegAndPngHeadersAndAnythingElse) {
    using namespace std::string_literals;
    // SOI, an APP0 segment, then a progressive frame header of 640 x 480.
    const std::string jpeg =
        "\xFF\xD8\xFF\xE0\x00\x04\x00\x00\xFF\xC2\x00\x11\x08\x01\xE0\x02\x80"s;
    EXPECT_EQ(pictureSize(jpeg), (PixelSize{640, 480}));
    // A Huffman table (C4) is not a frame header.
    EXPECT_EQ(pictureSize("\xFF\xD8\xFF\xC4\x00\x04\x00\x00\xFF\xC0\x00\x11\x08\x00\x10\x00\x20"s),
              (PixelSize{32, 16}));
    const std::string png =
        "\x89PNG\r\n\x1a\n\x00\x00\x00\x0DIHDR\x00\x00\x03\xE8\x00\x00\x02\xBC"s;
    EXPECT_EQ(pictureSize(png), (PixelSize{1000, 700}));

    EXPECT_EQ(pictureSize(""), std::nullopt);
    EXPECT_EQ(pictureSize("GIF89a"), std::nullopt);
    EXPECT_EQ(pictureSize(jpeg.substr(0, jpeg.size() - 1)), std::nullopt);
    EXPECT_EQ(pictureSize(png.substr(0, 20)), std::nullopt);
    // Zero sizes, a segment length below 2 and scan data before a frame declare nothing.
    EXPECT_EQ(pictureSize("\xFF\xD8\xFF\xC0\x00\x11\x08\x00\x00\x02\x80"s), std::nullopt);
    EXPECT_EQ(pictureSize("\xFF\xD8\xFF\xE0\x00\x01\x00\x00"s), std::nullopt);
    EXPECT_EQ(pictureSize("\xFF\xD8\xFF\xDA\x00\x04\x00\x00\xFF\xC0\x00\x11\x08\x01\x00\x01\x00"s),
              std::nullopt);
    EXPECT_EQ(widgets::pictureSizeOfFile("/nonexistent/picture.jpg"), std::nullopt);
}
