#include "tools/UIExchange.h"

#include "remote/Answer.h"
#include "storage/Connection.h"
#include "storage/SqlFormat.h"
#include "tools/DiaExchangeList.h"

#include <utility>

namespace tools {

UIExchange::UIExchange(app::AppContext& context, const std::string& locale)
    : ui::Screen("UIExchange"), context_(context), formatter_(locale),
      dbClass(context.databaseFile()) {
    addOutlet("txt_Exchange_Cost_Top", txt_Exchange_Cost_Top);
    addOutlet("txt_Exchange_Cost_Buttom", txt_Exchange_Cost_Buttom);
    addOutlet("lbl_Exchange_Nation_Top", lbl_Exchange_Nation_Top);
    addOutlet("lbl_Exchange_Nation_Bottom", lbl_Exchange_Nation_Bottom);
    addOutlet("img_Exchange_Nation_Top", img_Exchange_Nation_Top);
    addOutlet("img_Exchange_Nation_Bottom", img_Exchange_Nation_Bottom);
    addOutlet("img_Exchange_TopFrame", img_Exchange_TopFrame);
    addOutlet("img_Exchange_ButtomFrame", img_Exchange_ButtomFrame);
    for (std::size_t i = 0; i < lbl_Exchange_Cost.size(); ++i)
        addOutlet("lbl_Exchange_Cost" + std::to_string(i + 1), lbl_Exchange_Cost[i]);
    addOutlet("lbl_Exchange_Date", lbl_Exchange_Date);
    addOutlet("btn_Exchange_Back", btn_Exchange_Back);
    addOutlet("btn_Exchange_Swap", btn_Exchange_Swap);
    addOutlet("v_PickerCover", v_PickerCover);
    v_PickerCover.setCoversScreen(true);
    v_PickerCover.setHidden(true);

    // The layout's texts, kept when the rates cannot be fetched.
    for (ui::Label* caption : {&lbl_Exchange_Nation_Top, &lbl_Exchange_Nation_Bottom}) {
        caption->setText("통화 선택");
        caption->setCodeAndName("", "통화 선택");
    }
    for (std::size_t i = 0; i < lbl_Exchange_Cost.size(); ++i) {
        lbl_Exchange_Cost[i].setText("-");
        lbl_Exchange_Cost[i].setCodeAndName(kReferenceUnits[i], kReferenceNames[i]);
    }
    lbl_Exchange_Date.setText("환율 정보 없음");
    btn_Exchange_Back.setTitle("닫기");
}

UIExchange::~UIExchange() = default;

void UIExchange::viewDidLoad() {
    img_Exchange_Nation_Top.onTap = [this] { img_Exchange_Nation_Top_Clicked(); };
    img_Exchange_Nation_Bottom.onTap = [this] { img_Exchange_Nation_Bottom_Clicked(); };
    img_Exchange_TopFrame.onTap = [this] { endEditing(); };
    img_Exchange_ButtomFrame.onTap = [this] { endEditing(); };
    btn_Exchange_Back.onTap = [this] { dismiss(true); };
    btn_Exchange_Swap.onTap = [this] { btn_Exchange_Swap_Clicked(); };

    storage::createDatabase(dbClass);

    txt_Exchange_Cost_Top.onEditingChanged = [this] { Txt_Exchange_Cost_Top_EditingChanged(); };
    txt_Exchange_Cost_Buttom.onEditingChanged = [this] {
        Txt_Exchange_Cost_Buttom_EditingChanged();
    };

    getExchangeData();
}

void UIExchange::getExchangeData() {
    applyExchangeAnswer(context_.commands().Exchange_List01());
}

void UIExchange::applyExchangeAnswer(const std::optional<std::string>& answer) {
    if (remote::isFailure(answer))
        return;
    const std::vector<ExchangeRate> rows = exchangeRatesOf(*answer);
    for (const ExchangeRate& row : rows) {
        // A rate that is not a number shows as "-" rather than as a made-up 0.
        const std::string amount = formatter_.formatRate(row.DEAL_BAS_R).value_or("-");
        if (row.CUR_UNIT == "KRW") {
            showCurrency(lbl_Exchange_Nation_Top, row);
            SelectedDataTop = row;
        }
        for (std::size_t i = 0; i < kReferenceUnits.size(); ++i)
            if (row.CUR_UNIT == kReferenceUnits[i])
                lbl_Exchange_Cost[i].setText(amount);
        if (row.CUR_UNIT == "USD") {
            showCurrency(lbl_Exchange_Nation_Bottom, row);
            SelectedDataButtom = row;
        }
        if (!row.LASTDATE.empty())
            if (auto stamp = exchangeStamp(row.LASTDATE))
                lbl_Exchange_Date.setText(*stamp);
    }
    // The table is emptied and refilled in one transaction: a crash, a full disk or a locked
    // file on the way keeps the previous list, never a part of the new one that the day's
    // date would then keep. An answer without rows still empties the table.
    const storage::Connection connection(dbClass);
    (void)dbClass.inTransaction("exchange-rate refill", [&] {
        if (DeleteData() != storage::Status::Ok)
            return false;
        // A second row of the same date and currency is refused by the table's key and
        // dropped; a failing file ends the refill.
        for (const ExchangeRate& row : rows)
            if (const auto status = InsertData(row);
                status != storage::Status::Ok && status != storage::Status::Refused)
                return false;
        return true;
    });
}

storage::Status UIExchange::DeleteData() {
    return dbClass.execute(kDeleteRates);
}

storage::Status UIExchange::InsertData(const ExchangeRate& r) {
    return dbClass.execute(storage::sqlFormat(
        kInsertRate, {r.sDATE, r.CUR_UNIT, r.CUR_NM, r.TTB, r.TTS, r.DEAL_BAS_R, r.LASTDATE}));
}

void UIExchange::selectedExchangeData(const ExchangeRate& row, const std::string& flag) {
    if (flag == "1") {
        SelectedDataTop = row;
        showCurrency(lbl_Exchange_Nation_Top, row);
    } else if (flag == "2") {
        SelectedDataButtom = row;
        showCurrency(lbl_Exchange_Nation_Bottom, row);
    } else {
        return;
    }
    txt_Exchange_Cost_Top.setText("");
    txt_Exchange_Cost_Buttom.setText("");
    typed_ = Typed::None;
}

void UIExchange::Txt_Exchange_Cost_Top_EditingChanged() {
    typed_ = Typed::Top;
    convertFrom(txt_Exchange_Cost_Top, SelectedDataTop, txt_Exchange_Cost_Buttom,
                SelectedDataButtom);
}

void UIExchange::Txt_Exchange_Cost_Buttom_EditingChanged() {
    typed_ = Typed::Bottom;
    convertFrom(txt_Exchange_Cost_Buttom, SelectedDataButtom, txt_Exchange_Cost_Top,
                SelectedDataTop);
}

void UIExchange::convertFrom(ui::TextField& source, const std::optional<ExchangeRate>& sourceRate,
                             ui::TextField& target, const std::optional<ExchangeRate>& targetRate) {
    // Without a currency the source side has no base rate: the keystroke changes nothing.
    const Conversion c =
        convert(sourceRate.value_or(ExchangeRate{}), targetRate ? &*targetRate : nullptr,
                source.text(), formatter_.symbols());
    switch (c.kind) {
    case Conversion::Kind::Keep:
        return;
    case Conversion::Kind::Clear:
        target.setText("");
        return;
    case Conversion::Kind::Show:
        // Set from code: no editing-changed event, so no conversion back.
        target.setText(formatter_.format(c.amount));
        return;
    }
}

void UIExchange::btn_Exchange_Swap_Clicked() {
    std::swap(SelectedDataTop, SelectedDataButtom);
    const std::string topCaption = lbl_Exchange_Nation_Top.text(),
                      topCode = lbl_Exchange_Nation_Top.code(),
                      topName = lbl_Exchange_Nation_Top.name();
    lbl_Exchange_Nation_Top.setText(lbl_Exchange_Nation_Bottom.text());
    lbl_Exchange_Nation_Top.setCodeAndName(lbl_Exchange_Nation_Bottom.code(),
                                           lbl_Exchange_Nation_Bottom.name());
    lbl_Exchange_Nation_Bottom.setText(topCaption);
    lbl_Exchange_Nation_Bottom.setCodeAndName(topCode, topName);
    const std::string topAmount = txt_Exchange_Cost_Top.text();
    txt_Exchange_Cost_Top.setText(txt_Exchange_Cost_Buttom.text());
    txt_Exchange_Cost_Buttom.setText(topAmount);
    // The typed amount moved to the other side; the side converted from it follows.
    switch (typed_) {
    case Typed::None:
        return;
    case Typed::Top:
        Txt_Exchange_Cost_Buttom_EditingChanged();
        return;
    case Typed::Bottom:
        Txt_Exchange_Cost_Top_EditingChanged();
        return;
    }
}

void UIExchange::endEditing() {
    txt_Exchange_Cost_Top.setFirstResponder(false);
    txt_Exchange_Cost_Buttom.setFirstResponder(false);
}

DiaExchangeList* UIExchange::picker() const {
    return picker_ && picker_->parent() == this ? picker_.get() : nullptr;
}

void UIExchange::openPicker(const std::string& flag) {
    if (picker())
        return;
    auto self = std::static_pointer_cast<UIExchange>(shared_from_this());
    picker_ = std::make_shared<DiaExchangeList>(context_.databaseFile(),
                                                std::static_pointer_cast<ExchangeDelegate>(self));
    picker_->getFlag(flag);
    picker_->onClosed = [this] { pickerClosed(); };
    v_PickerCover.setHidden(false);
    addChild(picker_);
}

void UIExchange::pickerClosed() {
    v_PickerCover.setHidden(true);
}

} // namespace tools
