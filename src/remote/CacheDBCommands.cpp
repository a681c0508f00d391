#include "remote/CacheDBCommands.h"

#include "platform/Log.h"
#include "remote/XmlDataSetParser.h"

#include <libxml/xmlstring.h>

#include <utility>

namespace remote {
namespace {

// Flight_List03 and Flight_List04 take the same six parameters.
SoapParameters flightList(const std::string& scheduleDate, const std::string& airportcodeDeparture,
                          const std::string& airportcodeArrival, const std::string& flightId,
                          const std::string& flag, const std::string& pageNum) {
    return {{"scheduleDateTime", scheduleDate},
            {"airportcode_departure", airportcodeDeparture},
            {"airportcode_arrival", airportcodeArrival},
            {"filghtid", flightId},
            {"flag", flag},
            {"sPageNum", pageNum}};
}

} // namespace

CacheDBCommands::CacheDBCommands(platform::Http& http, ServiceEndpoints endpoints)
    : http_(http), endpoints_(std::move(endpoints)) {}

std::optional<std::string> CacheDBCommands::call(const std::string& url, const char* method,
                                                 SoapParameters parameters) {
    WebServiceHelper helper(http_);
    helper.XMLNameSpace = endpoints_.soapNamespace;
    helper.XMLURLAddress = url;
    helper.MethodName = method;
    helper.MethodParameters = std::move(parameters);
    auto bytes = helper.initiateConnection();
    if (!bytes || bytes->empty())
        return std::nullopt;
    // The reader would stop at the first byte that is not UTF-8 and hand on what came
    // before it: a page or row cut short would pass for a whole answer.
    if (!xmlCheckUTF8(reinterpret_cast<const xmlChar*>(bytes->c_str()))) {
        platform::logLine(std::string("SOAP ") + method +
                          ": the answer is not UTF-8 and was dropped");
        return std::nullopt;
    }
    return XmlDataSetParser::characterData(*bytes);
}

std::optional<std::string> CacheDBCommands::Unit_AllSearch01() {
    return call(endpoints_.carrierServiceURL, "Unit_AllSearch01", {});
}

std::optional<std::string> CacheDBCommands::Flight_List03(const std::string& scheduleDate,
                                                          const std::string& airportcodeDeparture,
                                                          const std::string& airportcodeArrival,
                                                          const std::string& flightId,
                                                          const std::string& flag,
                                                          const std::string& pageNum) {
    return call(endpoints_.airportServiceURL, "Flight_List03",
                flightList(scheduleDate, airportcodeDeparture, airportcodeArrival, flightId, flag,
                           pageNum));
}

std::optional<std::string> CacheDBCommands::Flight_List04(const std::string& scheduleDate,
                                                          const std::string& airportcodeDeparture,
                                                          const std::string& airportcodeArrival,
                                                          const std::string& flightId,
                                                          const std::string& flag,
                                                          const std::string& pageNum) {
    return call(endpoints_.airportServiceURL, "Flight_List04",
                flightList(scheduleDate, airportcodeDeparture, airportcodeArrival, flightId, flag,
                           pageNum));
}

std::optional<std::string>
CacheDBCommands::Unit_Join01(const std::string& telnum, const std::string& mac,
                             const std::string& uuid, const std::string& major,
                             const std::string& minor, const std::string& flag) {
    return call(endpoints_.carrierServiceURL, "Unit_Join01",
                {{"sUserTelnum", telnum},
                 {"sUnitMacAddress", mac},
                 {"sUnitUUID", uuid},
                 {"sUnitMajor", major},
                 {"sUnitMinor", minor},
                 {"sFlag", flag}});
}

std::optional<std::string> CacheDBCommands::Log_Unit_SearchOK01(const std::string& telnum,
                                                                const std::string& mac,
                                                                const std::string& uuid,
                                                                const std::string& major,
                                                                const std::string& minor) {
    return call(endpoints_.carrierServiceURL, "Log_Unit_SearchOK01",
                {{"sUserTelnum", telnum},
                 {"sUnitMacAddress", mac},
                 {"sUnitUUID", uuid},
                 {"sUnitMajor", major},
                 {"sUnitMinor", minor}});
}

std::optional<std::string> CacheDBCommands::Log_FilghtInput01(const FlightLogInput& in) {
    // The flight number, airline and airport names are not part of the service's log.
    return call(endpoints_.airportServiceURL, "Log_FilghtInput01",
                {{"airportcode_departure", in.airportcodeDeparture},
                 {"airportcode_arrival", in.airportcodeArrival},
                 {"scheduleDate", in.scheduleDate},
                 {"scheduleTime", in.scheduleTime},
                 {"estimatedDate", in.estimatedDate},
                 {"EstimatedTime", in.estimatedTime},
                 {"exitnumber", in.exitnumber},
                 {"gatenumber", in.gatenumber},
                 {"chkinrange", in.chkinrange},
                 {"carousel", in.carousel},
                 {"remark", in.remark},
                 {"flag", in.flag},
                 {"inputTime", in.inputTime},
                 {"etc", in.etc},
                 {"scheduleDate1", in.scheduleDate1},
                 {"scheduleTime1", in.scheduleTime1},
                 {"estimatedDate1", in.estimatedDate1},
                 {"EstimatedTime1", in.estimatedTime1},
                 {"sUnitUUID", in.unitUUID},
                 {"sUnitMajor", in.unitMajor},
                 {"sUnitMinor", in.unitMinor},
                 {"sLogStatus", in.logStatus}});
}

std::optional<std::string> CacheDBCommands::City_View03(const std::string& cityCode1,
                                                        const std::string& cityCode2) {
    return call(endpoints_.airportServiceURL, "City_View03",
                {{"cityCode1", cityCode1}, {"cityCode2", cityCode2}});
}

std::optional<std::string> CacheDBCommands::City_List02() {
    return call(endpoints_.airportServiceURL, "City_List02", {});
}

std::optional<std::string> CacheDBCommands::Nation_List02(const std::string& cityCode) {
    return call(endpoints_.airportServiceURL, "Nation_List02", {{"cityCode", cityCode}});
}

std::optional<std::string> CacheDBCommands::Nation_Modify_List01() {
    return call(endpoints_.airportServiceURL, "Nation_Modify_List01", {});
}

std::optional<std::string> CacheDBCommands::Exchange_List01() {
    return call(endpoints_.airportServiceURL, "Exchange_List01", {});
}

} // namespace remote
