#include "ui/Screen.h"
#include "ui/Window.h"

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

TEST(Outlets, TextFieldAsksItsDelegateBeforeChanging) {
    TextField f;
    int changes = 0;
    f.shouldChange = [](const std::string& t) { return t.size() <= 3; };
    f.onEditingChanged = [&] { ++changes; };
    EXPECT_TRUE(f.type("ICN"));
    EXPECT_FALSE(f.type("ICNX"));
    EXPECT_EQ(f.text(), "ICN");
    EXPECT_EQ(changes, 1);
    f.setEnabled(false);
    EXPECT_FALSE(f.type("GMP"));
}

TEST(Outlets, TableBuildsRowsFromItsDataSourceAndReportsEvents) {
    Table t;
    t.numberOfRows = [] { return 2; };
    t.cellForRow = [](int row, Cell& c) {
        c.label("lbl_FlightId").setText(row ? "OZ102" : "KE001");
    };
    std::vector<int> selected, shown;
    t.onSelect = [&](int r) { selected.push_back(r); };
    t.onWillDisplay = [&](int r) { shown.push_back(r); };
    t.reloadData();
    EXPECT_TRUE(t.select(1));
    EXPECT_FALSE(t.select(2));
    EXPECT_TRUE(t.willDisplay(0));
    EXPECT_EQ(selected, std::vector<int>{1});
    EXPECT_EQ(shown, std::vector<int>{0});
    EXPECT_EQ(t.toJson()["rows"][1]["lbl_FlightId"]["text"], "OZ102");
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
/// not one: "btn_Close1"), and two overlays: a help sheet holding its close button, and a
/// second sheet in front of it.
class Layered : public Screen {
public:
    Layered() : Screen("Layered") {
        addOutlet("v_Panel", panel);
        addOutlet("btn_InPanel", inPanel);
        addOutlet("btn_Menu", menu);
        addOutlet("View_Help", help);
        addOutlet("btn_Help_Close", helpClose);
        addOutlet("View_Sheet", sheet);
        addOutlet("btn_Sheet", sheetButton);
        addOutlet("btn_Exchange_Back", back);
        addOutlet("btn_Close1", close1);
        contain(panel, {&inPanel});
        contain(help, {&helpClose});
        contain(sheet, {&sheetButton});
        help.setCoversScreen(true);
        sheet.setCoversScreen(true);
        help.setHidden(true);
        sheet.setHidden(true);
    }
    using Screen::contain;
    using Screen::setBackControl;
    View panel, help, sheet;
    Button inPanel, menu, helpClose, sheetButton, back, close1;
};

} // namespace

TEST(Containment, HiddenContainersHideAndAShownOverlayCoversWhatItDoesNotHold) {
    Layered s;
    s.panel.setHidden(true);
    EXPECT_EQ(s.unreachableReason(s.inPanel), "outlet btn_InPanel is hidden: v_Panel is hidden");
    EXPECT_FALSE(s.inPanel.hidden()); // its own flag is untouched: it shows with its container
    s.panel.setHidden(false);
    EXPECT_EQ(s.reach(s.inPanel), Screen::Reach::Touchable);
    EXPECT_EQ(s.reach(s.helpClose), Screen::Reach::Hidden);
    s.contain(s.panel, {&s.panel}); // a view cannot hold itself
    EXPECT_EQ(s.panel.container(), nullptr);
    EXPECT_EQ(s.reach(s.panel), Screen::Reach::Touchable);

    s.help.setHidden(false);
    EXPECT_EQ(s.reach(s.helpClose), Screen::Reach::Touchable);
    EXPECT_EQ(s.reach(s.help), Screen::Reach::Touchable);
    EXPECT_EQ(s.reach(s.inPanel), Screen::Reach::Covered);
    EXPECT_EQ(s.unreachableReason(s.menu), "outlet btn_Menu is covered by View_Help");
    EXPECT_EQ(s.unreachableReason(s.helpClose), "");
    s.sheet.setHidden(false); // registered later: in front of help
    EXPECT_EQ(s.reach(s.helpClose), Screen::Reach::Covered);
    EXPECT_EQ(s.reach(s.sheetButton), Screen::Reach::Touchable);
    s.sheet.setHidden(true);
    s.help.setHidden(true);
    EXPECT_EQ(s.reach(s.menu), Screen::Reach::Touchable);
}

TEST(Containment, HiddenChildScreensHideTheirOutletsAndACoveringChildCoversWhatLiesBelow) {
    auto parent = std::make_shared<Layered>();
    auto sheet = std::make_shared<Layered>();
    auto popup = std::make_shared<Layered>();
    parent->addChild(sheet);
    parent->addChild(popup); // lies above the sheet
    sheet->setHidden(true);
    EXPECT_EQ(sheet->unreachableReason(sheet->menu),
              "outlet btn_Menu is hidden: Layered is hidden");
    sheet->setHidden(false);
    parent->help.setHidden(false); // a parent's overlay does not reach into its children
    EXPECT_EQ(sheet->reach(sheet->menu), Screen::Reach::Touchable);
    parent->help.setHidden(true);

    sheet->setCoversParent(true);
    EXPECT_EQ(parent->unreachableReason(parent->menu), "outlet btn_Menu is covered by Layered");
    EXPECT_EQ(popup->reach(popup->menu), Screen::Reach::Touchable);
    popup->setCoversParent(true); // above the sheet: covers it too
    EXPECT_EQ(sheet->reach(sheet->menu), Screen::Reach::Covered);
    popup->setHidden(true); // a hidden child covers nothing
    EXPECT_EQ(sheet->reach(sheet->menu), Screen::Reach::Touchable);
    parent->removeChild(sheet.get());
    EXPECT_EQ(parent->reach(parent->menu), Screen::Reach::Touchable);
}

TEST(Escape, ClosesTheFrontMostThingAndEnterPressesTheAlertsDefault) {
    using R = AlertButton::Role;
    enum Setup { Plain, NamedBack, Overlay, Child, NoBack };
    struct Case {
        const char* what;
        Setup setup;
        std::vector<std::pair<const char*, R>> alert;
        const char* escape; ///< what Escape presses ("" nothing)
        const char* enter;  ///< what Enter presses ("" nothing)
    };
    const Case cases[] = {
        {"the screen's back button", Plain, {}, "btn_Exchange_Back", ""},
        {"a named back control", NamedBack, {}, "btn_Menu", ""},
        {"a shown overlay's close button", Overlay, {}, "btn_Help_Close", ""},
        {"a shown child first", Child, {}, "child btn_Exchange_Back", ""},
        {"no back button", NoBack, {}, "", ""},
        {"alert", Plain, {{"확인", R::Default}, {"취소", R::Cancel}}, "취소", "확인"},
        {"an alert's only button", Plain, {{"OK", R::Destructive}}, "OK", "OK"},
        // An alert without a cancel button stays, and so does the screen.
        {"no cancel", Plain, {{"삭제", R::Destructive}, {"보관", R::Destructive}}, "", ""},
    };
    for (const auto& c : cases) {
        for (const bool enter : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (enter ? ", Enter" : ", Escape"));
            std::string tapped;
            Window w;
            auto root = std::make_shared<Layered>();
            auto child = std::make_shared<Layered>();
            w.setRoot(root);
            root->addChild(child);
            child->setHidden(c.setup != Child);
            for (auto* s : {root.get(), child.get()}) {
                const std::string who = s == child.get() ? "child " : "";
                for (auto& [name, o] : s->outlets())
                    if (auto* b = dynamic_cast<Button*>(o))
                        b->onTap = [&tapped, n = who + name] { tapped = n; };
            }
            if (c.setup == NamedBack)
                root->setBackControl(root->menu);
            root->help.setHidden(c.setup != Overlay);
            root->back.setHidden(c.setup == NoBack);
            Alert a{"알림", "", {}};
            for (auto [title, role] : c.alert)
                a.buttons.push_back(
                    {title, role, [&tapped, t = std::string(title)] { tapped = t; }});
            if (!c.alert.empty())
                w.showAlert(std::move(a));
            const bool done = enter ? w.pressAlertDefault() : w.back();
            EXPECT_EQ(tapped, enter ? c.enter : c.escape);
            EXPECT_EQ(done, !tapped.empty());
        }
    }
}
