#pragma once
// The currency picker of the exchange calculator: the currencies of the newest rate date.

#include "storage/DBClass.h"
#include "tools/Exchange.h"
#include "ui/Screen.h"

#include <memory>
#include <string>
#include <vector>

namespace tools {

class ExchangeDelegate;

class DiaExchangeList final : public ui::Screen {
public:
    static constexpr const char* kNewestRates =
        "SELECT sDate, CUR_UNIT, CUR_NM, TTB, TTS, DEAL_BAS_R, LASTDATE FROM aExchange WHERE "
        "sDate = (SELECT sDATE FROM aExchange ORDER BY sDATE DESC LIMIT 1)";

    DiaExchangeList(std::string databaseFile, std::weak_ptr<ExchangeDelegate> delegate);

    ui::Table tbl_ExchangeNation;
    /// Closes the picker without a pick, so that an empty list never traps the calculator.
    ui::Button btn_Close;

    /// The rows shown.
    std::vector<ExchangeRate> data;
    /// The side the pick is for: "1" top, "2" bottom.
    std::string sFlag;

    void getFlag(const std::string& flag) { sFlag = flag; }
    /// The currencies of the newest date in aExchange; none when the table is empty.
    std::vector<ExchangeRate> getNationList();

    /// Called once the picker has removed itself after a pick.
    std::function<void()> onClosed;

protected:
    void viewDidLoad() override;

private:
    void picked(int row);
    void close();

    std::weak_ptr<ExchangeDelegate> delegate_;
    storage::DBClass dbClass;
};

} // namespace tools
