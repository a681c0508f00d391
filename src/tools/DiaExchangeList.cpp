#include "tools/DiaExchangeList.h"

#include "storage/Connection.h"
#include "tools/UIExchange.h"

namespace tools {

DiaExchangeList::DiaExchangeList(std::string databaseFile, std::weak_ptr<ExchangeDelegate> delegate)
    : ui::Screen("DiaExchangeList"), delegate_(std::move(delegate)),
      dbClass(std::move(databaseFile)) {
    addOutlet("tbl_ExchangeNation", tbl_ExchangeNation);
    addOutlet("btn_Close", btn_Close);
    btn_Close.setTitle("닫기");
}

void DiaExchangeList::viewDidLoad() {
    storage::createDatabase(dbClass);
    data = getNationList();

    tbl_ExchangeNation.numberOfRows = [this] { return static_cast<int>(data.size()); };
    tbl_ExchangeNation.cellForRow = [this](int row, ui::Cell& cell) {
        showCurrency(cell.label("textLabel"), data[static_cast<std::size_t>(row)]);
    };
    tbl_ExchangeNation.onSelect = [this](int row) { picked(row); };
    btn_Close.onTap = [this] { close(); };
    tbl_ExchangeNation.reloadData();
}

std::vector<ExchangeRate> DiaExchangeList::getNationList() {
    const auto rows = storage::Connection(dbClass)
                          ->query(kNewestRates, storage::DBClass::Keys::ExchangeNames)
                          .valueOr({});
    std::vector<ExchangeRate> list;
    list.reserve(rows.size());
    for (const auto& r : rows)
        list.push_back({r.at("sDATE"), r.at("CUR_UNIT"), r.at("CUR_NM"), r.at("TTB"), r.at("TTS"),
                        r.at("DEAL_BAS_R"), r.at("LASTDATE")});
    return list;
}

void DiaExchangeList::picked(int row) {
    const ExchangeRate chosen = data.at(static_cast<std::size_t>(row));
    if (auto delegate = delegate_.lock())
        delegate->selectedExchangeData(chosen, sFlag);
    close();
}

void DiaExchangeList::close() {
    if (Screen* owner = parent())
        owner->removeChild(this);
    if (onClosed)
        onClosed();
}

} // namespace tools
