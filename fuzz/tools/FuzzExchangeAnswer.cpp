// Arbitrary Exchange_List01 answers through the calculator's refresh, with the rows stored
// in a real database file, then a keystroke and a pick: nothing crashes, the table holds
// one row per distinct day and currency of the answer, and a converted amount is either
// empty or an amount.

#include "NoHttp.h"
#include "SimulatedPlatform.h"
#include "app/AppContext.h"
#include "storage/DBClass.h"
#include "tools/DiaExchangeList.h"
#include "tools/UIExchange.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

namespace {

struct World {
    // Memory-backed when the machine has it: thousands of small commits per second.
    testing_support::SimulatedPlatform sim{"2026-12-07T09:30:00+09:00",
                                           std::filesystem::exists("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path()};
    testing_support::NoHttp http;
    std::unique_ptr<platform::Platform> platform = sim.makePlatform(sim.data.str(), &http);
    std::unique_ptr<app::AppContext> context =
        std::make_unique<app::AppContext>(*platform, app::Config{});
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    if (size == 0)
        return 0;
    // The first byte picks the typed text's length at the end of the input.
    const std::size_t typedLength = std::min<std::size_t>(data[0] % 16, size - 1);
    const std::string answer(reinterpret_cast<const char*>(data + 1), size - 1 - typedLength);
    const std::string typed(reinterpret_cast<const char*>(data + size - typedLength), typedLength);

    auto calc = std::make_shared<tools::UIExchange>(*world.context, "ko_KR");
    calc->loadViewIfNeeded(); // the refresh finds no service and changes nothing
    calc->applyExchangeAnswer(answer);

    std::set<std::pair<std::string, std::string>> keys;
    if (answer != "<rtn>ERROR</rtn>" && answer != "-1")
        for (const auto& r : tools::exchangeRatesOf(answer))
            keys.emplace(r.sDATE, r.CUR_UNIT);
    {
        storage::DBClass db(world.context->databaseFile());
        db.ConnectDB();
        const auto rows = db.SelectExcuteQuery("SELECT count(*) FROM aExchange");
        db.DisConnectDB();
        if (answer != "<rtn>ERROR</rtn>" && answer != "-1" &&
            (rows.empty() || rows.front().at("0") != std::to_string(keys.size())))
            std::abort();
    }

    calc->txt_Exchange_Cost_Top.type(typed);
    const std::string& other = calc->txt_Exchange_Cost_Buttom.text();
    if (!other.empty() && !tools::parseAmount(other, calc->formatter().symbols()))
        std::abort();

    calc->img_Exchange_Nation_Bottom.tap();
    if (auto* picker = calc->picker(); picker && picker->tbl_ExchangeNation.rowCount() > 0) {
        picker->tbl_ExchangeNation.select(data[0] % picker->tbl_ExchangeNation.rowCount());
        if (!calc->txt_Exchange_Cost_Top.text().empty() || calc->picker())
            std::abort();
    }
    return 0;
}
