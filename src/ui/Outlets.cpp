#include "ui/Outlets.h"

#include <nlohmann/json.hpp>

namespace ui {

using json = nlohmann::json;

void Outlet::setHidden(bool h) {
    if (hidden_ == h)
        return;
    hidden_ = h;
    changed();
}

void Outlet::setState(std::string state) {
    if (state_ == state)
        return;
    state_ = std::move(state);
    changed();
}

int characterCount(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

// ---- Label -------------------------------------------------------------------

void Label::setText(std::string text) {
    text_ = std::move(text);
    runs_.clear();
    changed();
}

void Label::setAttributedText(std::string text, std::vector<TextRun> runs) {
    text_ = std::move(text);
    runs_ = std::move(runs);
    changed();
}

void Label::setCodeAndName(std::string code, std::string name) {
    code_ = std::move(code);
    name_ = std::move(name);
    changed();
}

void Label::setCornerRadius(double r) {
    cornerRadius_ = r;
    changed();
}

void Label::setFontSize(double points) {
    fontSize_ = points;
    changed();
}

json Label::toJson() const {
    json runs = json::array();
    for (const auto& r : runs_) {
        json run = {{"from", r.from}, {"length", r.length}};
        if (r.strike)
            run["strike"] = true;
        if (r.color)
            run["color"] = {r.color->r, r.color->g, r.color->b, r.color->a};
        runs.push_back(std::move(run));
    }
    json out = {{"text", text_}, {"hidden", hidden()}, {"attributes", std::move(runs)}};
    if (fontSize_ > 0)
        out["fontSize"] = fontSize_;
    return out;
}

// ---- Button ------------------------------------------------------------------

void Button::setTitle(std::string t) {
    title_ = std::move(t);
    changed();
}

void Button::setImage(std::string name) {
    image_ = std::move(name);
    changed();
}

void Button::setEnabled(bool e) {
    enabled_ = e;
    changed();
}

bool Button::tap() {
    if (!enabled_)
        return false;
    if (onTap)
        onTap();
    return true;
}

json Button::toJson() const {
    return {{"title", title_}, {"image", image_}, {"enabled", enabled_}, {"hidden", hidden()}};
}

// ---- TextField ---------------------------------------------------------------

void TextField::setText(std::string t) {
    text_ = std::move(t);
    changed();
}

void TextField::setEnabled(bool e) {
    enabled_ = e;
    changed();
}

void TextField::setFirstResponder(bool f) {
    firstResponder_ = f;
    changed();
    if (!f && onEndEditing)
        onEndEditing();
}

bool TextField::type(const std::string& newText) {
    if (!enabled_)
        return false;
    if (shouldChange && !shouldChange(newText))
        return false;
    text_ = newText;
    changed();
    if (onEditingChanged)
        onEditingChanged();
    return true;
}

json TextField::toJson() const {
    return {{"text", text_}, {"enabled", enabled_}, {"hidden", hidden()}};
}

// ---- ImageView, View ---------------------------------------------------------

void ImageView::setImage(std::string nameOrPath) {
    image_ = std::move(nameOrPath);
    changed();
}

bool ImageView::tap() {
    if (!onTap)
        return false;
    onTap();
    return true;
}

json ImageView::toJson() const {
    return {{"image", image_}, {"hidden", hidden()}};
}

bool View::tap() {
    if (!onTap)
        return false;
    onTap();
    return true;
}

json View::toJson() const {
    return {{"hidden", hidden()}};
}

// ---- Cell, Table -------------------------------------------------------------

template <typename T> T& Cell::get(const std::string& name) {
    for (auto& [n, o] : outlets_) {
        if (n == name) {
            if (auto* typed = dynamic_cast<T*>(o.get()))
                return *typed;
            o = std::make_unique<T>(); // a reused cell may change an outlet's kind
            o->setChangeHandler([this] {
                if (onChange_)
                    onChange_();
            });
            return static_cast<T&>(*o);
        }
    }
    auto outlet = std::make_unique<T>();
    outlet->setChangeHandler([this] {
        if (onChange_)
            onChange_();
    });
    T& ref = *outlet;
    outlets_.emplace_back(name, std::move(outlet));
    return ref;
}

Outlet* Cell::find(const std::string& name) const {
    for (const auto& [n, o] : outlets_)
        if (n == name)
            return o.get();
    return nullptr;
}

json Cell::toJson() const {
    json j = json::object();
    for (const auto& [n, o] : outlets_)
        j[n] = o->toJson();
    return j;
}

void Table::reloadData() {
    cells_.clear();
    const int n = numberOfRows ? numberOfRows() : 0;
    cells_.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int row = 0; row < n; ++row) {
        auto cell = std::make_unique<Cell>("cell");
        if (cellForRow)
            cellForRow(row, *cell);
        cell->setChangeHandler([this] { changed(); });
        cells_.push_back(std::move(cell));
    }
    changed();
}

bool Table::select(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    if (onSelect)
        onSelect(row);
    return true;
}

bool Table::willDisplay(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    if (onWillDisplay)
        onWillDisplay(row);
    return true;
}

json Table::toJson() const {
    json rows = json::array();
    for (const auto& c : cells_)
        rows.push_back(c->toJson());
    json out = {{"rows", std::move(rows)}, {"hidden", hidden()}};
    if (rowHeight > 0)
        out["rowHeight"] = rowHeight;
    return out;
}

} // namespace ui

namespace ui {
template Label& Cell::get<Label>(const std::string&);
template Button& Cell::get<Button>(const std::string&);
template ImageView& Cell::get<ImageView>(const std::string&);
template View& Cell::get<View>(const std::string&);
} // namespace ui
