#pragma once
// One SOAP 1.1 request to one of the maker's web services.

#include "platform/Http.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace remote {

/// Parameter name and value pairs, sent in this order.
using SoapParameters = std::vector<std::pair<std::string, std::string>>;

/// Sends one SOAP 1.1 request and hands back the raw answer body.
///
/// Single-shot and blocking: fill the properties, call initiateConnection() once, drop it.
/// It neither parses nor retries.
class WebServiceHelper {
public:
    explicit WebServiceHelper(platform::Http& http) : http_(http) {}

    /// Namespace of the service's operations (usually an http URI ending in "/").
    std::string XMLNameSpace;
    /// Full URL of the service endpoint.
    std::string XMLURLAddress;
    /// Operation name, e.g. "Flight_List03".
    std::string MethodName;
    /// The SOAP action; computed by initiateConnection(), any earlier value is overwritten.
    std::string SOAPActionURL;
    /// One child element of the operation element per entry, in this order.
    SoapParameters MethodParameters;
    /// Ready-made XML inserted verbatim before the mapped parameters, when set.
    std::optional<std::string> MethodParametersAsString;

    /// Posts the envelope and blocks until the exchange ends.
    /// @return the answer body whatever the HTTP status; nothing when the exchange failed
    ///         (no connection, time-out, bad URL).
    [[nodiscard]] std::optional<std::string> initiateConnection();

    /// The request envelope for the current properties. Names and values are XML-escaped,
    /// so any value yields a well-formed envelope carrying that value.
    [[nodiscard]] std::string envelope() const;

    /// The SOAP action for the current namespace and method: the namespace followed by the
    /// method name, with one "/" between them unless the namespace already ends in "/".
    [[nodiscard]] std::string soapAction() const;

private:
    platform::Http& http_;
};

} // namespace remote
