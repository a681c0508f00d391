#include "ui/Screen.h"
#include "ui/Input.h"
#include "ui/Window.h"
#include "widgets/FloatingActionButton.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace ui;

namespace {

/// Records its lifecycle calls into a shared journal.
class Probe : public Screen {
public:
    Probe(std::string name, std::vector<std::string>& journal)
        : Screen(std::move(name)), journal_(journal) {
        addOutlet("btn_Close", close);
        close.onTap = [this] { dismiss(true); };
    }
    Button close;

protected:
    void viewDidLoad() override { note("load"); }
    void viewWillAppear(bool) override { note("willAppear"); }
    void viewDidAppear(bool) override { note("didAppear"); }
    void viewWillDisappear(bool) override { note("willDisappear"); }
    void viewDidDisappear(bool) override { note("didDisappear"); }

private:
    void note(const char* what) { journal_.push_back(name() + "." + what); }
    std::vector<std::string>& journal_;
};

struct Events : WindowObserver {
    std::vector<std::string> seen;
    void presented(Screen& s, bool) override { seen.push_back("present " + s.name()); }
    void dismissed(Screen& s, bool) override { seen.push_back("dismiss " + s.name()); }
    void outletChanged(Screen& s, const std::string& o) override {
        seen.push_back("changed " + s.name() + "." + o);
    }
};

} // namespace

TEST(Window, PresentingCoversTheRootAndDismissingUncoversIt) {
    std::vector<std::string> j;
    Window w;
    auto root = std::make_shared<Probe>("Root", j);
    w.setRoot(root);
    j.clear();

    auto modal = std::make_shared<Probe>("Modal", j);
    root->present(modal, true);
    EXPECT_EQ(j, (std::vector<std::string>{"Modal.load", "Root.willDisappear", "Modal.willAppear",
                                           "Root.didDisappear", "Modal.didAppear"}));
    EXPECT_FALSE(root->isOnDisplay());
    EXPECT_EQ(w.front(), modal.get());
    j.clear();

    // The modal dismisses itself from its own button; it stays alive until released.
    std::weak_ptr<Screen> weak = modal;
    modal.reset();
    ASSERT_TRUE(w.front()->findOutlet("btn_Close")->tap());
    EXPECT_EQ(j, (std::vector<std::string>{"Modal.willDisappear", "Root.willAppear",
                                           "Modal.didDisappear", "Root.didAppear"}));
    EXPECT_FALSE(weak.expired());
    w.releaseRetired();
    EXPECT_TRUE(weak.expired());
    EXPECT_TRUE(root->isOnDisplay());
}

TEST(Window, OnePresentedAtATimeChildrenShareTheParentsAppearanceAndEventsReachObservers) {
    std::vector<std::string> j;
    Window w;
    Events events;
    w.addObserver(&events);
    auto root = std::make_shared<Probe>("Root", j);
    w.setRoot(root);
    auto child = std::make_shared<Probe>("Child", j);
    j.clear();
    root->addChild(child);
    EXPECT_EQ(j, (std::vector<std::string>{"Child.load", "Child.willAppear", "Child.didAppear"}));
    EXPECT_TRUE(child->isOnDisplay());

    auto a = std::make_shared<Probe>("A", j);
    root->present(a, false);
    EXPECT_FALSE(child->isOnDisplay());
    root->present(std::make_shared<Probe>("Second", j), false); // already presenting: ignored
    a->present(std::make_shared<Probe>("B", j), false);
    ASSERT_EQ(w.stack().size(), 3u);
    child->close.setTitle("닫기");
    root->dismiss(false);
    EXPECT_EQ(w.stack().size(), 1u);
    EXPECT_TRUE(child->isOnDisplay());
    EXPECT_EQ(events.seen,
              (std::vector<std::string>{"present A", "present B", "changed Child.btn_Close",
                                        "dismiss B", "dismiss A"}));
    root->dismiss(false); // the root never leaves
    EXPECT_EQ(w.stack().size(), 1u);
}

TEST(Window, AlertsQueueAndNoneIsDropped) {
    Window w;
    int pressed = 0;
    w.showAlert(Alert::simple("정보변경", "first", "확인"));
    w.showAlert(Alert{"Two", "second", {{"확인", AlertButton::Role::Default, [&] { ++pressed; }}}});
    EXPECT_FALSE(w.pressAlertButton("없음"));
    EXPECT_TRUE(w.pressAlertButton("확인"));
    EXPECT_EQ(pressed, 0); // the first alert's button only closes it
    ASSERT_EQ(w.alerts().size(), 1u);
    EXPECT_TRUE(w.pressAlertButton("확인"));
    EXPECT_EQ(pressed, 1);
    EXPECT_FALSE(w.pressAlertButton("확인"));
}

TEST(Outlets, LabelJsonListsAttributedRunsInCharacters) {
    Label l;
    l.setAttributedText("2026/12/07", {TextRun{7, 3, false, Color{1, 1, 1, 1}}});
    auto j = l.toJson();
    EXPECT_EQ(j["attributes"][0]["from"], 7);
    EXPECT_EQ(j["attributes"][0]["color"], nlohmann::json({1.0, 1.0, 1.0, 1.0}));
    l.setText("정보없음");
    EXPECT_TRUE(l.toJson()["attributes"].empty());
    EXPECT_EQ(characterCount("정보없음"), 4);
}

namespace {

/// A screen with a panel holding a button, buttons of its own (a back button and one that is
/// not one: "btn_Close1"), two overlays (a help sheet holding its close button, and a second
/// sheet in front of it), a table whose row holds a shown and a hidden button, a text field of
/// three letters at most and a floating menu. `done` tells what a gesture reached.
class Layered : public Screen, public widgets::floatMenuDelegate {
public:
    Layered() : Screen("Layered"), menuButton({}, 320, 568, "", "", std::nullopt) {
        addOutlet("v_Panel", panel);
        addOutlet("btn_InPanel", inPanel);
        addOutlet("btn_Menu", menu);
        addOutlet("View_Help", help);
        addOutlet("btn_Help_Close", helpClose);
        addOutlet("View_Sheet", sheet);
        addOutlet("btn_Sheet", sheetButton);
        addOutlet("btn_Exchange_Back", back);
        addOutlet("btn_Close1", close1);
        addOutlet("tbl_Rows", rows);
        addOutlet("txt_Field", field);
        addOutlet("addButton", menuButton);
        contain(panel, {&inPanel});
        contain(help, {&helpClose});
        contain(sheet, {&sheetButton});
        contain(panel, {&panel}); // a view cannot hold itself
        help.setCoversScreen(true);
        sheet.setCoversScreen(true);
        help.setHidden(true);
        sheet.setHidden(true);
        for (auto& [name, o] : outlets())
            if (auto* b = dynamic_cast<Button*>(o))
                b->onTap = [this, n = name] { done = n; };
        rows.numberOfRows = [] { return 1; };
        rows.cellForRow = [this](int, Cell& c) {
            for (const char* n : {"btn_Shown", "btn_Hidden"})
                c.button(n).onTap = [this, n] { done = std::string("row ") + n; };
            c.button("btn_Hidden").setHidden(true);
        };
        rows.reloadData();
        rows.onSelect = [this](int r) { done = "selected " + std::to_string(r); };
        rows.onWillDisplay = [this](int r) { done = "shown " + std::to_string(r); };
        field.shouldChange = [](const std::string& t) { return t.size() <= 3; };
        field.onEditingChanged = [this] { done = "typed " + field.text(); };
        menuButton.labelArray = {"여권사진", "도움말"};
    }
    void didSelectMenuOptionAtIndex(int i) override { done = "menu " + std::to_string(i); }
    using Screen::setBackControl;
    View panel, help, sheet;
    Button inPanel, menu, helpClose, sheetButton, back, close1;
    Table rows;
    TextField field;
    widgets::FloatingActionButton menuButton;
    std::string done;
};

} // namespace

// Commands and the keys Escape and Enter, as a person gives them to the window.
TEST(Input, PerformsOnlyWhatAPersonCouldDoInTheWindowAndSaysWhyNot) {
    // What is set up before the command; OnSheet and OnRoot perform it on that screen alone, as
    // its view does.
    constexpr unsigned PanelHidden = 1, Help = 1 << 1, SheetView = 1 << 2, Alerted = 1 << 3,
                       Presented = 1 << 4, MenuOpen = 1 << 5, Sheet = 1 << 6, SheetCovers = 1 << 7,
                       SheetHidden = 1 << 8, Popup = 1 << 9, PopupCovers = 1 << 10,
                       OnSheet = 1 << 11, FieldOff = 1 << 12, NamedBack = 1 << 13, NoBack = 1 << 14,
                       AlertCancel = 1 << 15, AlertDestructive = 1 << 16, OnRoot = 1 << 17;
    struct Case {
        const char* command; ///< a command's text, or "Escape" or "Enter"
        unsigned setup;
        const char* refusal; ///< "" when carried out
        const char* done;    ///< what it reached ("" nothing)
    };
    const Case cases[] = {
        {R"({"cmd":"tap","outlet":"btn_InPanel"})", PanelHidden,
         "outlet btn_InPanel is hidden: v_Panel is hidden", ""},
        {R"({"cmd":"tap","outlet":"btn_InPanel"})", Help,
         "outlet btn_InPanel is covered by View_Help", ""},
        // Of two overlays the one registered later lies in front.
        {R"({"cmd":"tap","outlet":"btn_Help_Close"})", Help | SheetView,
         "outlet btn_Help_Close is covered by View_Sheet", ""},
        {R"({"cmd":"tap","outlet":"btn_Sheet"})", Help | SheetView, "", "btn_Sheet"},
        // A parent's overlay does not reach its children; they are searched front-most first.
        {R"({"cmd":"tap","outlet":"btn_Menu"})", Help | Sheet, "", "sheet btn_Menu"},
        {R"({"cmd":"tap","outlet":"btn_Menu"})", Sheet | SheetCovers | OnRoot,
         "outlet btn_Menu is covered by Layered", ""},
        {R"({"cmd":"tap","outlet":"btn_Menu"})", Sheet | SheetCovers | SheetHidden | OnRoot, "",
         "btn_Menu"},
        {R"({"cmd":"tap","outlet":"btn_Menu"})", Sheet | SheetHidden | OnSheet,
         "outlet btn_Menu is hidden: Layered is hidden", ""},
        {R"({"cmd":"tap","outlet":"btn_Menu"})", Sheet | Popup | OnSheet, "", "sheet btn_Menu"},
        {R"({"cmd":"tap","outlet":"btn_Menu"})", Sheet | Popup | PopupCovers | OnSheet,
         "outlet btn_Menu is covered by Layered", ""},
        {R"({"cmd":"tap","outlet":"btn_Menu","screen":"Layered"})", Presented,
         "outlet btn_Menu is covered by UIExchange", ""},
        {R"({"cmd":"tap","outlet":"btn_Menu"})", Alerted, "outlet btn_Menu is covered by an alert",
         ""},
        {R"({"cmd":"tap","outlet":"btn_None"})", 0, "no outlet btn_None on Layered", ""},
        {R"({"cmd":"tap","table":"tbl_Rows","row":0,"outlet":"btn_Shown"})", 0, "",
         "row btn_Shown"},
        {R"({"cmd":"tap","table":"tbl_Rows","row":0,"outlet":"btn_Hidden"})", 0,
         "outlet btn_Hidden in row 0 of table tbl_Rows is hidden", ""},
        {R"({"cmd":"tap","table":"tbl_Rows","row":"0","outlet":"btn_Shown"})", 0,
         R"(no row "0" in table tbl_Rows)", ""},
        {R"({"cmd":"tap","table":"tbl_Rows","row":0,"outlet":"btn_Shown"})", Alerted,
         "table tbl_Rows is covered by an alert", ""},
        {R"({"cmd":"type","outlet":"txt_Field","text":"ICNX"})", 0, "", ""}, // its delegate's no
        {R"({"cmd":"type","outlet":"txt_Field","text":"ICN"})", FieldOff,
         "text field txt_Field is disabled", ""},
        {R"({"cmd":"select","outlet":"tbl_Rows","row":0})", 0, "", "selected 0"},
        {R"({"cmd":"display","outlet":"tbl_Rows","row":0})", 0, "", "shown 0"},
        {R"({"cmd":"select","outlet":"tbl_Rows","row":1})", 0, "no row 1 in table tbl_Rows", ""},
        {R"({"cmd":"menu","index":1})", MenuOpen, "", "menu 1"},
        {R"({"cmd":"menu","index":2})", MenuOpen, "the menu has no row 2", ""},
        {R"({"cmd":"menu","index":1})", 0, "no floating menu is open", ""},
        {R"({"cmd":"menu","index":1})", MenuOpen | Help, "outlet addButton is covered by View_Help",
         ""},
        {R"({"cmd":"menu","index":1})", MenuOpen | Alerted, "the menu is covered by an alert", ""},
        {R"({"cmd":"alert","button":"확인"})", Alerted, "", "확인"},
        // Escape closes the front-most thing through its back control, never "btn_Close1".
        {"Escape", 0, "", "btn_Exchange_Back"},
        {"Escape", NamedBack, "", "btn_Menu"},
        {"Escape", Help, "", "btn_Help_Close"},
        {"Escape", Sheet, "", "sheet btn_Exchange_Back"},
        {"Escape", Sheet | SheetHidden, "", "btn_Exchange_Back"},
        {"Escape", NoBack, "refused", ""},
        {"Enter", 0, "refused", ""},
        // An alert's cancel (else only) button; Enter its default. Without a cancel button
        // Escape leaves the alert, and the screen beneath it, alone.
        {"Escape", Alerted, "", "확인"},
        {"Escape", Alerted | AlertCancel, "", "취소"},
        {"Enter", Alerted | AlertCancel, "", "확인"},
        {"Escape", Alerted | AlertDestructive, "refused", ""},
        {"Enter", AlertDestructive, "refused", ""},
    };
    using R = AlertButton::Role;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        Window w;
        auto root = std::make_shared<Layered>();
        root->menuButton.delegate = root;
        w.setRoot(root);
        root->panel.setHidden(c.setup & PanelHidden);
        root->help.setHidden(!(c.setup & Help));
        root->sheet.setHidden(!(c.setup & SheetView));
        root->field.setEnabled(!(c.setup & FieldOff));
        root->back.setHidden(c.setup & NoBack);
        if (c.setup & NamedBack)
            root->setBackControl(root->menu);
        auto sheet = std::make_shared<Layered>(), popup = std::make_shared<Layered>();
        for (auto [child, flag, covers] :
             {std::tuple{sheet, Sheet, SheetCovers}, {popup, Popup, PopupCovers}}) {
            if (!(c.setup & flag))
                continue;
            root->addChild(child);
            child->setCoversParent(c.setup & covers);
            for (auto& [name, o] : child->outlets())
                if (auto* b = dynamic_cast<Button*>(o))
                    b->onTap = [&root, n = (child == sheet ? "sheet " : "popup ") + name] {
                        root->done = n;
                    };
        }
        sheet->setHidden(c.setup & SheetHidden);
        if (c.setup & MenuOpen)
            root->menuButton.handleTap();
        if (c.setup & Presented)
            root->present(std::make_shared<Screen>("UIExchange"), false);
        Alert alert{"알림", "", {}};
        for (auto [flag, title, role] : {std::tuple{Alerted, "확인", R::Default},
                                         {AlertCancel, "취소", R::Cancel},
                                         {AlertDestructive, "삭제", R::Destructive},
                                         {AlertDestructive, "보관", R::Destructive}})
            if (c.setup & flag)
                alert.buttons.push_back({title, role, [&root, t = title] { root->done = t; }});
        if (!alert.buttons.empty())
            w.showAlert(std::move(alert));
        const std::string_view key = c.command;
        const bool pressed = key == "Escape" ? w.back() : key == "Enter" && w.pressAlertDefault();
        const Refusal refusal = key == "Escape" || key == "Enter"
                                    ? pressed ? Refusal() : "refused"
                                    : perform(w, *parseCommand(nlohmann::json::parse(c.command)),
                                              c.setup & OnSheet  ? sheet.get()
                                              : c.setup & OnRoot ? root.get()
                                                                 : nullptr);
        EXPECT_EQ(refusal.value_or(""), c.refusal);
        EXPECT_EQ(root->done, c.done);
        if (c.setup & Alerted) { // a field under an alert still gives up the keyboard
            root->field.setFirstResponder(true);
            Command blur;
            blur.kind = Command::Kind::Focus, blur.outlet = "txt_Field", blur.gains = false;
            EXPECT_FALSE(perform(w, blur));
            EXPECT_FALSE(root->field.firstResponder());
        }
    }
}
