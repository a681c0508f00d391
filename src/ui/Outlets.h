#pragma once
// Typed outlets of a screen: what a front-end draws and what a user can touch.

#include <functional>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

struct Color {
    double r = 0, g = 0, b = 0, a = 1;
    bool operator==(const Color&) const = default;
};

/// A run of attributed text, in characters (code points) from the start of the text.
struct TextRun {
    int from = 0;
    int length = 0;
    bool strike = false;
    std::optional<Color> color;
    bool operator==(const TextRun&) const = default;
};

class View;

class Outlet {
public:
    enum class Kind {
        Label,
        Button,
        TextField,
        Image,
        ZoomImage,
        View,
        Table,
        FloatingMenu,
        Calendar
    };

    virtual ~Outlet() = default;
    Outlet(const Outlet&) = delete;
    Outlet& operator=(const Outlet&) = delete;

    Kind kind() const { return kind_; }
    bool hidden() const { return hidden_; }
    void setHidden(bool h);

    /// Whether a person can touch it (buttons, tappable views and images).
    virtual bool tappable() const { return false; }
    /// Performs a tap; false when the outlet does not take taps or is disabled.
    virtual bool tap() { return false; }
    /// Lies unfolded over its screen (an open menu); a tap folds it away.
    virtual bool isOpen() const { return false; }

    /// The outlet's state in the shape the automation driver prints.
    virtual nlohmann::json toJson() const = 0;

    /// Called after every change; set by the owning screen or cell.
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

    /// The view of its screen that holds this outlet; none when the screen itself does.
    View* container() const { return container_; }

    /// What the outlet shows, as a word a view maps to pictures and colours ("first",
    /// "seen", a status tone); empty for nothing in particular. Not part of `toJson`.
    const std::string& state() const { return state_; }
    void setState(std::string state);

protected:
    explicit Outlet(Kind kind) : kind_(kind) {}
    void changed() {
        if (onChange_)
            onChange_();
    }

private:
    friend class Screen;
    Kind kind_;
    bool hidden_ = false;
    View* container_ = nullptr;
    std::string state_;
    std::function<void()> onChange_;
};

class Label final : public Outlet {
public:
    Label() : Outlet(Kind::Label) {}
    const std::string& text() const { return text_; }
    const std::vector<TextRun>& attributes() const { return runs_; }
    /// Plain text; drops any attributes.
    void setText(std::string text);
    void setAttributedText(std::string text, std::vector<TextRun> runs);
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double r);
    /// Point size of the system font set on the label; 0 keeps the view's own font.
    double fontSize() const { return fontSize_; }
    void setFontSize(double points);
    /// A caption's parts apart (a currency code and its name, a place's code and name), so
    /// views need not take the text apart. Not part of `toJson`.
    const std::string& code() const { return code_; }
    const std::string& name() const { return name_; }
    void setCodeAndName(std::string code, std::string name);
    nlohmann::json toJson() const override;

private:
    std::string text_, code_, name_;
    std::vector<TextRun> runs_;
    double cornerRadius_ = 0;
    double fontSize_ = 0;
};

class Button final : public Outlet {
public:
    Button() : Outlet(Kind::Button) {}
    const std::string& title() const { return title_; }
    void setTitle(std::string t);
    const std::string& image() const { return image_; }
    void setImage(std::string name);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool tappable() const override { return true; }
    bool tap() override;
    std::function<void()> onTap;
    nlohmann::json toJson() const override;

private:
    std::string title_, image_;
    bool enabled_ = true;
};

class TextField final : public Outlet {
public:
    TextField() : Outlet(Kind::TextField) {}
    const std::string& text() const { return text_; }
    /// Sets the text from code (no delegate, no event).
    void setText(std::string t);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool firstResponder() const { return firstResponder_; }
    /// Whether the field has the keyboard. Giving it up (false) always tells `onEndEditing`.
    void setFirstResponder(bool f);
    /// Replaces the text as typing would: asks `shouldChange`, then fires `onEditingChanged`.
    /// Returns false when the field is disabled or the delegate refused.
    bool type(const std::string& newText);
    std::function<bool(const std::string& newText)> shouldChange;
    std::function<void()> onEditingChanged;
    std::function<void()> onEndEditing;
    nlohmann::json toJson() const override;

private:
    std::string text_;
    bool enabled_ = true;
    bool firstResponder_ = false;
};

class ImageView final : public Outlet {
public:
    ImageView() : Outlet(Kind::Image) {}
    /// A named image of the app's resources, or a file path of a picture.
    const std::string& image() const { return image_; }
    void setImage(std::string nameOrPath);
    bool tappable() const override { return static_cast<bool>(onTap); }
    bool tap() override;
    std::function<void()> onTap;
    nlohmann::json toJson() const override;

private:
    std::string image_;
};

class View final : public Outlet {
public:
    View() : Outlet(Kind::View) {}
    /// A view laid over the whole screen (an overlay): while it shows, only what it holds
    /// can be touched.
    bool coversScreen() const { return coversScreen_; }
    void setCoversScreen(bool covers) { coversScreen_ = covers; }
    bool tappable() const override { return static_cast<bool>(onTap); }
    bool tap() override;
    std::function<void()> onTap;
    nlohmann::json toJson() const override;

private:
    bool coversScreen_ = false;
};

/// Named outlets of one table row, created on first use.
class Cell {
public:
    explicit Cell(std::string className) : className_(std::move(className)) {}
    const std::string& className() const { return className_; }
    /// A number the data source gives the row to know it again (0: none).
    int tag = 0;
    Label& label(const std::string& name) { return get<Label>(name); }
    Button& button(const std::string& name) { return get<Button>(name); }
    ImageView& image(const std::string& name) { return get<ImageView>(name); }
    View& view(const std::string& name) { return get<View>(name); }
    Outlet* find(const std::string& name) const;
    const std::vector<std::pair<std::string, std::unique_ptr<Outlet>>>& outlets() const {
        return outlets_;
    }
    nlohmann::json toJson() const;
    void setChangeHandler(std::function<void()> h) { onChange_ = std::move(h); }

private:
    template <typename T> T& get(const std::string& name);
    std::string className_;
    std::vector<std::pair<std::string, std::unique_ptr<Outlet>>> outlets_;
    std::function<void()> onChange_;
};

/// A list of rows filled from a data source.
class Table final : public Outlet {
public:
    Table() : Outlet(Kind::Table) {}
    std::function<int()> numberOfRows;
    std::function<void(int row, Cell& cell)> cellForRow;
    std::function<void(int row)> onSelect;
    std::function<void(int row)> onWillDisplay;
    /// Height of every row in points; 0 leaves it to the front-end.
    double rowHeight = 0;

    /// Rebuilds every row from the data source.
    void reloadData();
    int rowCount() const { return static_cast<int>(cells_.size()); }
    Cell& cell(int row) { return *cells_.at(static_cast<std::size_t>(row)); }
    const Cell& cell(int row) const { return *cells_.at(static_cast<std::size_t>(row)); }
    /// False when the row does not exist.
    bool select(int row);
    bool willDisplay(int row);
    nlohmann::json toJson() const override;

private:
    std::vector<std::unique_ptr<Cell>> cells_;
};

/// Number of code points in a UTF-8 text (for attributed runs).
int characterCount(std::string_view utf8);

} // namespace ui
