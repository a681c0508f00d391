#include "app/Config.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace app {
namespace {

using json = nlohmann::json;

template <typename F> void forEachString(Config& c, F&& f) {
    f("soapNamespace", c.soapNamespace);
    f("carrierServiceURL", c.carrierServiceURL);
    f("airportServiceURL", c.airportServiceURL);
    f("internationalAirportAPI", c.internationalAirportAPI);
    f("domesticAirportsAPI", c.domesticAirportsAPI);
    f("timetableAPI", c.timetableAPI);
    f("flightStatusServiceKey", c.flightStatusServiceKey);
    f("timetableKey", c.timetableKey);
    f("referralBase", c.referralBase);
    f("referralKey", c.referralKey);
    f("hotelURL", c.hotelURL);
    f("hotelAffiliateId", c.hotelAffiliateId);
}

} // namespace

std::optional<std::string> Config::apply(std::string_view text) {
    json doc = json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded() || !doc.is_object())
        return std::string("config is not a JSON object");
    Config next = *this;
    std::optional<std::string> error;
    forEachString(next, [&](const char* key, std::string& field) {
        auto it = doc.find(key);
        if (it == doc.end() || error)
            return;
        if (it->is_string())
            field = it->get<std::string>();
        else if (it->is_number() && std::string_view(key) == "hotelAffiliateId")
            field = it->dump();
        else
            error = std::string("config key ") + key + " must be a string";
    });
    if (auto it = doc.find("requestTimeoutSeconds"); it != doc.end() && !error) {
        if (it->is_number() && it->get<double>() > 0 && it->get<double>() <= 3600)
            next.requestTimeoutSeconds = it->get<double>();
        else
            error = "config key requestTimeoutSeconds must be a number of seconds (0 to 3600]";
    }
    if (error)
        return error;
    *this = next;
    return std::nullopt;
}

std::optional<std::string> Config::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "cannot read config file " + path;
    std::ostringstream text;
    text << in.rdbuf();
    return apply(text.str());
}

std::string Config::toJson() const {
    json doc = json::object();
    Config copy = *this;
    forEachString(copy, [&](const char* key, std::string& field) { doc[key] = field; });
    doc["requestTimeoutSeconds"] = requestTimeoutSeconds;
    return doc.dump();
}

} // namespace app
