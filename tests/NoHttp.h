#pragma once
// An HTTP client for code that must not reach the network: a POST fails at once, a GET is
// never answered.

#include "platform/Http.h"

namespace testing_support {

class NoHttp final : public platform::Http {
public:
    std::optional<platform::HttpResponse> post(const std::string&, const platform::HttpHeaders&,
                                               const std::string&) override {
        ++requests;
        return std::nullopt;
    }
    void get(const std::string&,
             std::function<void(std::optional<platform::HttpResponse>)>) override {
        ++requests;
    }
    int requests = 0;
};

} // namespace testing_support
