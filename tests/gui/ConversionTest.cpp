// What the bridge hands to QML: plain values, styled text and resolved files.
#include "TempDir.h"
#include "bridge/Assets.h"
#include "bridge/JsonVariant.h"
#include "bridge/OutletVariant.h"
#include "bridge/StyledText.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using qtshell::styledText;

TEST(JsonVariant, NestedValuesBecomePlainQmlValues) {
    const auto json =
        nlohmann::json::parse(R"({"n":-3,"u":7,"f":0.5,"none":null,"rows":[{"a":1},[2,"인천"]]})");
    const QVariantMap map = qtshell::toVariant(json).toMap();
    EXPECT_EQ(map.value("n").toLongLong(), -3);
    EXPECT_EQ(map.value("u").toLongLong(), 7);
    EXPECT_DOUBLE_EQ(map.value("f").toDouble(), 0.5);
    EXPECT_TRUE(map.contains("none"));
    EXPECT_FALSE(map.value("none").isValid());
    const QVariantList rows = map.value("rows").toList();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].toMap().value("a").toInt(), 1);
    EXPECT_EQ(rows[1].toList().value(1).toString(), QStringLiteral("인천"));
}

TEST(StyledText, RunsBecomeMarkupCountedInCodePointsAndCutToTheTextWhichStaysText) {
    const std::optional<ui::Color> none;
    EXPECT_EQ(styledText("23:30", {{0, 5, true, none}}), "<s>23:30</s>");
    // The last three characters of a date in white.
    EXPECT_EQ(styledText("2026/12/07", {{7, 3, false, ui::Color{1, 1, 1, 1}}}),
              "2026/12<font color=\"#ffffffff\">/07</font>");
    EXPECT_EQ(styledText("ab", {{1, 50, true, none}}), "a<s>b</s>");
    EXPECT_EQ(styledText("ab", {{-5, 6, true, none}}), "<s>a</s>b");
    EXPECT_EQ(styledText("ab", {{9, 2, true, none}}), "ab");
    EXPECT_EQ(styledText("", {{0, 3, true, none}}), "");
    EXPECT_EQ(styledText("<b>&\"x\"", {}), "&lt;b&gt;&amp;&quot;x&quot;");
    EXPECT_EQ(styledText("a\nb", {}), "a<br>b");
}

TEST(OutletVariant, TableRowsCarryTheirOutletsMarkupAndMeaning) {
    ui::Table table;
    table.numberOfRows = [] { return 2; };
    table.cellForRow = [](int row, ui::Cell& cell) {
        cell.label("lbl_Name").setAttributedText(row == 0 ? "가방" : "배낭", {{1, 1, true, {}}});
        cell.label("lbl_Name").setCodeAndName("ICN", "인천");
        cell.image("img_Top").setState(row == 0 ? "first" : "");
    };
    table.reloadData();
    const QVariantMap map = qtshell::outletVariant(table);
    EXPECT_EQ(map.value("kind").toString(), "table");
    const QVariantList rows = map.value("rows").toList();
    ASSERT_EQ(rows.size(), 2);
    const QVariantMap name = rows[1].toMap().value("lbl_Name").toMap();
    EXPECT_EQ(name.value("html").toString(), "배<s>낭</s>");
    EXPECT_EQ(name.value("code").toString() + name.value("name").toString(), "ICN인천");
    EXPECT_EQ(rows[0].toMap().value("img_Top").toMap().value("state").toString(), "first");
}

class AssetsTest : public ::testing::Test {
protected:
    AssetsTest() {
        std::filesystem::create_directories(dir.path() / "images");
        std::filesystem::create_directories(dir.path() / "views");
        for (const char* name :
             {"images/main_butten.svg", "images/bg.jpg", "images/bg.jpg.png",
              "views/ViewController.qml", "views/GenericScreen.qml", "photo.jpg"})
            std::ofstream(dir.file(name)) << "x";
    }
    testing_support::TempDir dir;
    qtshell::Assets assets{{QString::fromStdString(dir.file("images"))},
                           QString::fromStdString(dir.file("views"))};
};

TEST_F(AssetsTest, PicturesAreFoundWithOrWithoutTheirExtension) {
    EXPECT_EQ(assets.image("main_butten").toLocalFile().toStdString(),
              dir.file("images/main_butten.svg"));
    EXPECT_EQ(assets.image("bg.jpg").toLocalFile().toStdString(), dir.file("images/bg.jpg"));
    const QString photo = QString::fromStdString(dir.file("photo.jpg"));
    EXPECT_EQ(assets.image(photo).toLocalFile(), photo);
    EXPECT_TRUE(assets.image("missing").isEmpty());
    EXPECT_TRUE(assets.image("").isEmpty());
    EXPECT_TRUE(assets.image("../photo.jpg").isEmpty());
}

TEST_F(AssetsTest, ScreensWithoutAViewOfTheirOwnGetTheGenericOne) {
    EXPECT_TRUE(assets.view("ViewController").toLocalFile().endsWith("/ViewController.qml"));
    EXPECT_TRUE(assets.view("UIExchange").toLocalFile().endsWith("/GenericScreen.qml"));
    EXPECT_TRUE(
        assets.view("../views/ViewController").toLocalFile().endsWith("/GenericScreen.qml"));
}

} // namespace
