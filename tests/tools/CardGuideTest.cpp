#include "ToolsFixture.h"
#include "tools/AutoFill.h"
#include "tools/UIInOut.h"
#include "widgets/ImageZoom.h"

#include <filesystem>
#include <fstream>

using namespace tools;
using tools_test::cityRow;

namespace {

/// The smallest JPEG header that declares a size: SOI, then a baseline frame header.
std::vector<unsigned char> jpegOfSize(int width, int height) {
    const auto hi = [](int v) { return static_cast<unsigned char>(v >> 8); };
    const auto lo = [](int v) { return static_cast<unsigned char>(v & 0xFF); };
    return {0xFF,       0xD8,      0xFF,      0xC0, 0x00, 0x11, 0x08, hi(height),
            lo(height), hi(width), lo(width), 0x03, 0x01, 0x22, 0x00, 0x02,
            0x11,       0x01,      0x03,      0x11, 0x01, 0xFF, 0xD9};
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> rows(ui::Table& t) {
    std::vector<std::string> texts;
    for (int row = 0; row < t.rowCount(); ++row)
        texts.push_back(t.cell(row).label("textLabel").text());
    return texts;
}

using CardGuide = tools_test::ToolsFixture;

using Strings = std::vector<std::string>;

} // namespace

TEST(PlaceList, EntriesPairKoreanNamesWithCodesByPosition) {
    // Two codes, one Korean name: one entry. Values that are only a line break are skipped.
    const std::string answer =
        "<NewDataSet><Table1><cityCode>ICN</cityCode><cityKor>인천</cityKor></Table1>"
        "<Table1><cityCode>GMP</cityCode><cityKor>\n</cityKor></Table1></NewDataSet>";
    EXPECT_EQ(AutoFillTableViewController::entriesOf(answer), Strings{"인천 (ICN)"});
    EXPECT_TRUE(AutoFillTableViewController::entriesOf(std::nullopt).empty());
    EXPECT_TRUE(AutoFillTableViewController::entriesOf("<rtn>ERROR</rtn>").empty());
}

TEST_F(CardGuide, PlaceListSearchesInAnyCaseAndKeepsItsRowsOnEmptyText) {
    launch();
    server.rows("City_List02",
                {cityRow("ICN", "Incheon", "인천", "410"), cityRow("CJU", "Jeju", "제주", "410"),
                 cityRow("ICH", "Incheon2", "인천2", "410")});
    main().btn_Menu3.tap();
    auto* list = dynamic_cast<AutoFillList*>(window().front()->children().front().get());
    ASSERT_NE(list, nullptr);
    for (const char* typed : {"icn", "ICN", "Icn"}) {
        list->searchAutocompleteEntriesWithSubstring(typed);
        EXPECT_EQ(rows(list->tableView), Strings{"인천 (ICN)"}) << typed;
    }
    for (const char* typed : {"인", ""}) {
        list->searchAutocompleteEntriesWithSubstring(typed);
        EXPECT_EQ(rows(list->tableView), (Strings{"인천 (ICN)", "인천2 (ICH)"})) << typed;
    }
    list->searchAutocompleteEntriesWithSubstring("zzz");
    EXPECT_TRUE(rows(list->tableView).empty());
}

TEST_F(CardGuide, OpenedFromTheMenuShowsNoCardUntilANationIsPicked) {
    launch();
    main().addButton->handleTap();
    main().didSelectMenuOptionAtIndex(1);
    auto& guide = front<UIInOut>();
    EXPECT_EQ(guide.txt_InOutImage_Nation.text(), "");
    EXPECT_EQ(guide.imageZoom(), nullptr);
    auto* list = guide.autoFillTableViewController();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->tableView.hidden());

    guide.txt_InOutImage_Nation.type("JAP");
    EXPECT_FALSE(list->tableView.hidden());
    EXPECT_EQ(rows(list->tableView), Strings{"일본 (Japan)"});
    guide.txt_InOutImage_Nation.setFirstResponder(true);
    list->tableView.select(0);
    EXPECT_EQ(guide.txt_InOutImage_Nation.text(), "일본 (Japan)");
    EXPECT_FALSE(guide.txt_InOutImage_Nation.firstResponder());
    EXPECT_TRUE(list->tableView.hidden());
    ASSERT_NE(guide.imageZoom(), nullptr);
    EXPECT_EQ(guide.imageZoom()->image(), "japan.jpg");

    // Another nation replaces the card; a nation without a picture leaves the area empty.
    guide.imageZoom()->setZoomScale(0.5);
    guide.EndWriteTextView("미국 (United States)");
    EXPECT_EQ(guide.imageZoom()->image(), "unitedstates.jpg");
    EXPECT_EQ(guide.imageZoom()->zoomScale(), 1.0);
    guide.EndWriteTextView("어딘가 (../../etc/passwd)");
    EXPECT_EQ(guide.imageZoom()->image(), "");
    guide.EndWriteTextView("국가 없음");
    EXPECT_EQ(guide.imageZoom()->image(), "");
}

TEST_F(CardGuide, DepartureAndArrivalHalvesOpenTheirNationsCard) {
    launch();
    storeFlight(flight("KE701", "20261207", "1030", "20261207"));
    main().getAirportInfo();

    ASSERT_TRUE(main().v_Departure_Flight.tap());
    auto& guide = front<UIInOut>();
    EXPECT_EQ(guide.sAirportCode, "ICN");
    EXPECT_EQ(guide.txt_InOutImage_Nation.text(), "대한민국 (Korea Republic)");
    ASSERT_NE(guide.imageZoom(), nullptr);
    EXPECT_EQ(guide.imageZoom()->image(), "korearepublic.jpg");
    guide.btn_Back.tap();

    ASSERT_TRUE(main().v_Arrival_Flight.tap());
    EXPECT_EQ(front<UIInOut>().txt_InOutImage_Nation.text(), "일본 (Japan)");
    front<UIInOut>().btn_Back.tap();

    // An airport the tables do not know opens nothing.
    execute("UPDATE aFlightInfo SET airportcode_arrival = 'XXX'");
    main().getAirportInfo();
    ASSERT_TRUE(main().v_Arrival_Flight.tap());
    EXPECT_EQ(window().front(), &main());
}

TEST_F(CardGuide, PassportPhotoIsTakenOverAndANewOneReplacesIt) {
    launch();
    // A photo from the main screen's menu waits to be taken over.
    writeFile(data.file("IMG_Tamberlinove_Passport.jpg"), jpegOfSize(640, 480));
    auto& guide = open<UIInOut>("UIInOut");
    EXPECT_FALSE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport.jpg")));
    ASSERT_TRUE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport1.jpg")));
    ASSERT_NE(guide.imageZoom_Passport(), nullptr);
    EXPECT_EQ(guide.imageZoom_Passport()->image(), data.file("IMG_Tamberlinove_Passport1.jpg"));
    EXPECT_EQ(guide.imageZoom_Passport()->pictureSize(), (widgets::PixelSize{640, 480}));
    EXPECT_DOUBLE_EQ(guide.imageZoom_Passport()->zoomScale(), 0.1);

    guide.btn_Passport.tap();
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "Camera error");
    EXPECT_EQ(window().alerts().front().message, "카메라를 지원하지 않는 기기입니다.");
    window().pressAlertButton("OK");

    camera.present = true;
    camera.picture = jpegOfSize(300, 400);
    guide.btn_Passport.tap();
    auto* picker = window().front();
    ASSERT_EQ(picker->name(), "UIImagePickerController");
    ASSERT_TRUE(dynamic_cast<ui::Button*>(picker->findOutlet("btn_Capture"))->tap());
    loop->runUntilIdle();
    context->window.releaseRetired();
    EXPECT_EQ(window().front(), &guide);
    EXPECT_TRUE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport.jpg")));
    EXPECT_FALSE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport1.jpg")));
    EXPECT_EQ(guide.imageZoom_Passport()->pictureSize(), (widgets::PixelSize{300, 400}));

    // Reopened: the new photo is the one in use.
    guide.btn_Back.tap();
    auto& again = open<UIInOut>("UIInOut");
    EXPECT_FALSE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport.jpg")));
    EXPECT_EQ(again.imageZoom_Passport()->pictureSize(), (widgets::PixelSize{300, 400}));

    // A directory where the new photo should go makes the write fail: the photo in use stays.
    std::filesystem::create_directories(data.file("IMG_Tamberlinove_Passport.jpg") + "/x");
    again.imagePickerDidFinish(jpegOfSize(640, 480));
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "저장실패");
    EXPECT_TRUE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport1.jpg")));
    EXPECT_EQ(again.imageZoom_Passport()->pictureSize(), (widgets::PixelSize{300, 400}));
}
