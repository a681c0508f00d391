#include "tools/AutoFill.h"

#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"
#include "storage/Connection.h"
#include "tools/PlaceText.h"

namespace tools {

AutoFillList::AutoFillList(std::string className) : ui::Screen(std::move(className)) {
    addOutlet("tableView", tableView);
    tableView.setHidden(true);
    tableView.numberOfRows = [this] { return static_cast<int>(citySelectInfo_.size()); };
    tableView.cellForRow = [this](int row, ui::Cell& cell) {
        const std::string& entry = citySelectInfo_[static_cast<std::size_t>(row)];
        auto& label = cell.label("textLabel");
        label.setText(entry);
        PlaceParts parts = placeParts(entry);
        label.setCodeAndName(std::move(parts.code), std::move(parts.name));
    };
    tableView.onSelect = [this](int row) { picked(row); };
}

void AutoFillList::setEntries(std::vector<std::string> entries) {
    cityInfo_ = std::move(entries);
    lowered_.clear();
    lowered_.reserve(cityInfo_.size());
    for (const auto& e : cityInfo_)
        lowered_.push_back(lowerCase(e));
}

void AutoFillList::createTableViewWithYPosition(double x, double y, double width, double height) {
    tableFrame_ = {x, y, width, height};
}

void AutoFillList::bindField(ui::TextField& field) {
    toTextField = &field;
    field.shouldChange = [this, &field](const std::string&) {
        if (field.onEditingChanged)
            field.onEditingChanged();
        if (&field == toTextField) {
            // Only one list of a screen is open at a time.
            if (Screen* owner = parent())
                for (const auto& sibling : owner->children())
                    if (auto* list = dynamic_cast<AutoFillList*>(sibling.get());
                        list && list != this)
                        list->tableView.setHidden(true);
            tableView.setHidden(false);
            field.onEditingChanged = [this, &field] { textChanged(field); };
        }
        return true;
    };
    field.onEndEditing = [this] { tableView.setHidden(true); };
}

bool AutoFillList::closeFrontmost() {
    if (tableView.hidden())
        return false;
    tableView.setHidden(true);
    return true;
}

void AutoFillList::textChanged(const ui::TextField& field) {
    searchAutocompleteEntriesWithSubstring(field.text());
}

void AutoFillList::searchAutocompleteEntriesWithSubstring(std::string_view text) {
    const std::string needle = lowerCase(text);
    // Only a non-empty text changes the suggestions; deleting everything keeps the last ones.
    if (needle.empty())
        return;
    // The field reports each change twice (before and after it); the same text finds the same.
    if (searched_ && needle == lastSearch_)
        return;
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < lowered_.size(); ++i)
        if (lowered_[i].find(needle) != std::string::npos)
            kept.push_back(cityInfo_[i]);
    citySelectInfo_ = std::move(kept);
    lastSearch_ = needle;
    searched_ = true;
    tableView.reloadData();
}

void AutoFillList::picked(int row) {
    if (row < 0 || row >= static_cast<int>(citySelectInfo_.size()))
        return;
    const std::string entry = citySelectInfo_[static_cast<std::size_t>(row)];
    if (toTextField)
        toTextField->setText(entry);
    didPick(entry);
    if (toTextField)
        toTextField->setFirstResponder(false);
    tableView.setHidden(true);
}

// ---- places ----------------------------------------------------------------------------

AutoFillTableViewController::AutoFillTableViewController(remote::CacheDBCommands commands)
    : AutoFillTableViewController(entriesOf(commands.City_List02())) {}

AutoFillTableViewController::AutoFillTableViewController(std::vector<std::string> entries)
    : AutoFillList("AutoFillTableViewController") {
    setEntries(std::move(entries));
}

std::vector<std::string>
AutoFillTableViewController::entriesOf(const std::optional<std::string>& answer) {
    if (remote::isFailure(answer))
        return {};
    remote::XmlDataSetParser1 parser;
    parser.parse(*answer);
    const auto codes = remote::valuesOf(parser.mXMLDataList(), {"cityCode"});
    const auto names = remote::valuesOf(parser.mXMLDataList(), {"cityKor"});
    std::vector<std::string> entries;
    const std::size_t n = std::min(codes.size(), names.size());
    entries.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        entries.push_back(placeText(names[i], codes[i]));
    return entries;
}

// ---- nations ---------------------------------------------------------------------------

NationAutoFillTableTableViewController::NationAutoFillTableTableViewController(
    const std::string& databaseFile, std::weak_ptr<InOutTextDelegate> textdelegate)
    : AutoFillList("NationAutoFillTableTableViewController"),
      textdelegate_(std::move(textdelegate)) {
    const auto rows = storage::Connection(databaseFile)->query(kNations).valueOr({});
    std::vector<std::string> entries;
    entries.reserve(rows.size());
    for (const auto& row : rows)
        entries.push_back(placeText(row.at("2"), row.at("1")));
    setEntries(std::move(entries));
}

void NationAutoFillTableTableViewController::didPick(const std::string& entry) {
    if (auto delegate = textdelegate_.lock())
        delegate->EndWriteTextView(entry);
}

} // namespace tools
