#pragma once
// Drop-down suggestion lists under a text field: every entry that contains what has been
// typed, ignoring case; a picked entry is written into the field. The place list suggests
// airports and cities ("인천 (ICN)"), the nation list nations ("일본 (Japan)").

#include "remote/CacheDBCommands.h"
#include "ui/Screen.h"
#include "widgets/Geometry.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

/// The card guide's role towards the nation list: a nation was picked.
class InOutTextDelegate {
public:
    virtual ~InOutTextDelegate() = default;
    virtual void EndWriteTextView(const std::string& nationText) = 0;
};

/// What both lists share: entries, the search and the table under the field.
class AutoFillList : public ui::Screen {
public:
    /// The suggestions; hidden until the field's text changes, and again after a pick.
    ui::Table tableView;

    /// The field the list serves (a field of the screen that owns the list).
    ui::TextField* toTextField = nullptr;
    /// All entries, and those shown.
    const std::vector<std::string>& cityInfo() const { return cityInfo_; }
    const std::vector<std::string>& citySelectInfo() const { return citySelectInfo_; }

    /// Places the table at that frame (points, in the owner's view).
    void createTableViewWithYPosition(double x, double y, double width, double height);
    const widgets::Rect& tableFrame() const { return tableFrame_; }

    /// Makes the list the field's delegate: on every proposed change it sends the field's
    /// editing-changed event, shows the table when the field is its own (closing the other
    /// lists of the same screen), and from then on searches on each change. Changes are
    /// always accepted. The table closes when the field gives up the keyboard.
    void bindField(ui::TextField& field);
    /// Searches with the field's current text.
    void textChanged(const ui::TextField& field);
    /// Keeps the entries that contain `text` (case ignored) and shows them; an empty text
    /// leaves the suggestions as they were.
    void searchAutocompleteEntriesWithSubstring(std::string_view text);
    /// Picks a shown row: its text goes into the field, the keyboard closes, the table hides.
    void picked(int row);
    /// Escape: an open table closes (nothing is picked).
    bool closeFrontmost() override;

protected:
    explicit AutoFillList(std::string className);
    void setEntries(std::vector<std::string> entries);
    virtual void didPick(const std::string& /*entry*/) {}

private:
    std::vector<std::string> cityInfo_;
    std::vector<std::string> lowered_; // cityInfo_ in lower case, made once
    std::vector<std::string> citySelectInfo_;
    widgets::Rect tableFrame_;
    std::string lastSearch_;
    bool searched_ = false;
};

/// Airports and cities of the airport service's city list.
class AutoFillTableViewController final : public AutoFillList {
public:
    /// Loads the entries with one call of City_List02.
    explicit AutoFillTableViewController(remote::CacheDBCommands commands);
    /// A list of entries already read (entriesOf()).
    explicit AutoFillTableViewController(std::vector<std::string> entries);
    /// The entries of a City_List02 answer: the n-th Korean name with the n-th code, for as
    /// many positions as both have; none for a failed answer.
    static std::vector<std::string> entriesOf(const std::optional<std::string>& answer);
};

/// Nations of aNation.
class NationAutoFillTableTableViewController final : public AutoFillList {
public:
    static constexpr const char* kNations =
        "SELECT NationCode, NationEng, NationKor, sFileName FROM aNation";

    NationAutoFillTableTableViewController(const std::string& databaseFile,
                                           std::weak_ptr<InOutTextDelegate> textdelegate);

private:
    void didPick(const std::string& entry) override;
    std::weak_ptr<InOutTextDelegate> textdelegate_;
};

} // namespace tools
