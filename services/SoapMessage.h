#pragma once
// Reading SOAP 1.1 requests and writing SOAP 1.1 answers, faults and data-set documents.

#include "services/DataStore.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace services {

/// Namespace of the services' operations.
inline constexpr std::string_view kServiceNamespace = "http://tempuri.org/";

struct SoapRequest {
    std::string operation;                         ///< local name of the operation element
    std::map<std::string, std::string> parameters; ///< child elements by local name
};

/// Parses a request envelope: the first element inside the SOAP 1.1 Body is the operation,
/// its child elements the parameters (text content, entities resolved; a repeated name
/// keeps its first value). Documents with a DTD are refused; nothing is fetched from the
/// network. On failure returns nothing and sets `error` to a short reason.
std::optional<SoapRequest> parseSoapRequest(std::string_view body, std::string& error);

/// Escapes "&", "<" and ">" for element text and drops control characters XML cannot carry.
std::string xmlEscape(std::string_view text);

/// `<NewDataSet><Table1><col>value</col>...</Table1>...</NewDataSet>` without whitespace
/// between elements; `<NewDataSet />` when there are no rows.
std::string dataSetDocument(const std::vector<DataRow>& rows);

/// The answer envelope of `operation` carrying `result` as the text of its result element.
std::string soapResponse(std::string_view operation, std::string_view result);

/// A SOAP 1.1 fault envelope; `code` is "soap:Client" or "soap:Server".
std::string soapFault(std::string_view code, std::string_view text);

} // namespace services
