#include "tools/Install.h"

#include "app/ViewController.h"
#include "tools/ReferenceCache.h"
#include "tools/UIExchange.h"
#include "tools/UIInOut.h"
#include "tools/VURavEravazo.h"

namespace tools {

void install(app::AppContext& context) {
    context.screens["UIExchange"] = [](app::AppContext& c) {
        return std::make_shared<UIExchange>(c);
    };
    context.screens["UIInOut"] = [](app::AppContext& c) { return std::make_shared<UIInOut>(c); };
    context.screens["VURavEravazo"] = [](app::AppContext& c) {
        return std::make_shared<VURavEravazo>(c);
    };
    context.referenceCheck = [&context] {
        storage::DBClass db(context.databaseFile());
        ReferenceCache(db, [&context] { return context.commands(); }).copyDbFile();
    };
    context.openCardGuide = [](app::ViewController& main, const std::string& code) {
        GetCityCodeToNationCode(main, code);
    };
}

void GetCityCodeToNationCode(app::ViewController& main, const std::string& code) {
    auto& context = main.context();
    ReferenceCache cache(main.dbClass, [&context] { return context.commands(); });
    const auto nation = cache.GetCityCodeToNationCode(code);
    if (!nation)
        return;
    auto guide = std::make_shared<UIInOut>(context);
    guide->sAirportEngName = nation->eng;
    guide->sAirportKorName = nation->kor;
    guide->sAirportCode = code;
    main.present(std::move(guide), false);
}

} // namespace tools
