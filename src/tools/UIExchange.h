#pragma once
// The currency exchange calculator: the day's rates fetched on opening, seven reference
// rates, two amount fields converted into each other on every keystroke, and a currency
// picker per side.

#include "app/AppContext.h"
#include "storage/DBClass.h"
#include "tools/AmountFormatter.h"
#include "tools/Exchange.h"
#include "ui/Screen.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tools {

class DiaExchangeList;

/// The picker's caller.
class ExchangeDelegate {
public:
    virtual ~ExchangeDelegate() = default;
    /// A picked currency for the top ("1") or bottom ("2") side.
    virtual void selectedExchangeData(const ExchangeRate& row, const std::string& flag) = 0;
};

class UIExchange final : public ui::Screen, public ExchangeDelegate {
public:
    /// Statements of the rate table.
    static constexpr const char* kDeleteRates = "DELETE FROM aExchange";
    static constexpr const char* kInsertRate =
        "INSERT INTO aExchange (sDate, CUR_UNIT, CUR_NM, TTB, TTS, DEAL_BAS_R, LASTDATE) "
        "VALUES('%@','%@','%@','%@','%@','%@','%@')";
    /// The reference rates shown, in the order of lbl_Exchange_Cost1 ... 7.
    static constexpr std::array<const char*, 7> kReferenceUnits{"USD", "JPY(100)", "EUR", "CNH",
                                                                "GBP", "AUD",      "CAD"};
    /// Their names, shown before any rate arrives.
    static constexpr std::array<const char*, 7> kReferenceNames{
        "미국 달러", "일본 엔", "유로", "중국 위안", "영국 파운드", "호주 달러", "캐나다 달러"};

    /// `locale` for the amounts' formatter; empty for the user's locale.
    explicit UIExchange(app::AppContext& context, const std::string& locale = {});
    ~UIExchange() override;

    // ---- outlets
    ui::TextField txt_Exchange_Cost_Top, txt_Exchange_Cost_Buttom;
    ui::Label lbl_Exchange_Nation_Top, lbl_Exchange_Nation_Bottom;
    ui::ImageView img_Exchange_Nation_Top, img_Exchange_Nation_Bottom, img_Exchange_TopFrame,
        img_Exchange_ButtomFrame;
    std::array<ui::Label, 7> lbl_Exchange_Cost;
    ui::Label lbl_Exchange_Date;
    ui::Button btn_Exchange_Back;
    /// Swaps the two sides: currencies and amounts trade places.
    ui::Button btn_Exchange_Swap;
    /// Laid over the calculator while the currency picker is open: only the picker can be
    /// touched then.
    ui::View v_PickerCover;

    /// The currencies of the two sides; nothing until the refresh or a pick sets them.
    std::optional<ExchangeRate> SelectedDataTop, SelectedDataButtom;

    // ---- operations
    /// Fetches the day's rates, replaces aExchange and shows them.
    void getExchangeData();
    /// The refresh with the answer of Exchange_List01 in hand: a failed answer changes
    /// nothing; otherwise the table is replaced by the answer's rows and they are shown.
    void applyExchangeAnswer(const std::optional<std::string>& answer);
    /// Run on the refill's open connection.
    [[nodiscard]] storage::Status DeleteData();
    [[nodiscard]] storage::Status InsertData(const ExchangeRate& row);
    void selectedExchangeData(const ExchangeRate& row, const std::string& flag) override;
    void Txt_Exchange_Cost_Top_EditingChanged();
    void Txt_Exchange_Cost_Buttom_EditingChanged();
    void img_Exchange_Nation_Top_Clicked() { openPicker("1"); }
    void img_Exchange_Nation_Bottom_Clicked() { openPicker("2"); }
    /// Both frames close the keyboard.
    void endEditing();
    /// The sides trade currencies and amounts; the amount last typed is then converted again
    /// from its new side, so it stays exactly as typed and the other side follows it.
    void btn_Exchange_Swap_Clicked();

    const AmountFormatter& formatter() const { return formatter_; }
    /// The picker while it is open.
    DiaExchangeList* picker() const;

protected:
    void viewDidLoad() override;

private:
    /// The field whose text the person typed last (the other one was converted from it).
    enum class Typed { None, Top, Bottom };

    void openPicker(const std::string& flag);
    void pickerClosed();
    void convertFrom(ui::TextField& source, const std::optional<ExchangeRate>& sourceRate,
                     ui::TextField& target, const std::optional<ExchangeRate>& targetRate);

    app::AppContext& context_;
    AmountFormatter formatter_;
    storage::DBClass dbClass;
    Typed typed_ = Typed::None;
    // Held here as well as among the children, so that the picker outlives its own last
    // callback when it removes itself.
    std::shared_ptr<DiaExchangeList> picker_;
};

} // namespace tools
