#pragma once
// The maker's airport service on 127.0.0.1 for the tools' tests: each operation answers
// with the data set, marker or silence it was told, and its calls are counted.

#include "LoopbackServer.h"
#include "services/SoapMessage.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace tools_test {

using Rows = std::vector<services::DataRow>;

class ToolServer {
public:
    std::string base() const { return server_.base(); }

    /// The operation answers with these rows as a data set.
    void rows(const std::string& op, const Rows& rows) {
        text(op, services::dataSetDocument(rows));
    }
    /// The operation answers with this text (a marker such as "<rtn>ERROR</rtn>").
    void text(const std::string& op, std::string answer) {
        std::lock_guard lock(mutex_);
        answers_[op] = std::move(answer);
    }
    /// The operation answers with an HTTP error and no body.
    void silence(const std::string& op) {
        std::lock_guard lock(mutex_);
        answers_.erase(op);
    }
    int calls(const std::string& op) const {
        std::lock_guard lock(mutex_);
        auto it = calls_.find(op);
        return it == calls_.end() ? 0 : it->second;
    }
    void resetCalls() {
        std::lock_guard lock(mutex_);
        calls_.clear();
    }

private:
    void answer(const httplib::Request& req, httplib::Response& res) {
        std::string op = req.get_header_value("SOAPAction");
        op.erase(0, op.rfind('/') + 1);
        std::lock_guard lock(mutex_);
        ++calls_[op];
        auto it = answers_.find(op);
        if (it == answers_.end()) {
            res.status = 500; // no answer at all
            return;
        }
        res.set_content(services::soapResponse(op, it->second), "text/xml; charset=utf-8");
    }

    mutable std::mutex mutex_;
    std::map<std::string, std::string> answers_;
    std::map<std::string, int> calls_;
    testing_support::LoopbackServer server_{[this](httplib::Server& server) {
        server.Post(".*", [this](const httplib::Request& req, httplib::Response& res) {
            answer(req, res);
        });
    }};
};

/// A nation row as Nation_List02 sends it.
inline services::DataRow nationRow(const std::string& code, const std::string& eng,
                                   const std::string& kor) {
    std::string file;
    for (char c : eng)
        if (c != ' ')
            file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return {
        {"NationCode", code}, {"NationEng", eng}, {"NationKor", kor}, {"sFileName", file + ".jpg"}};
}

/// A city row as City_List02 sends it.
inline services::DataRow cityRow(const std::string& code, const std::string& eng,
                                 const std::string& kor, const std::string& nation) {
    return {{"cityCode", code},
            {"cityEng", eng},
            {"cityKor", kor},
            {"cityFlag", "I"},
            {"NationCode", nation}};
}

/// An exchange row as Exchange_List01 sends it.
inline services::DataRow rateRow(const std::string& unit, const std::string& name,
                                 const std::string& rate,
                                 const std::string& lastDate = "2026120711",
                                 const std::string& date = "20261207") {
    return {{"sDATE", date}, {"CUR_UNIT", unit},   {"CUR_NM", name},      {"TTB", rate},
            {"TTS", rate},   {"DEAL_BAS_R", rate}, {"LASTDATE", lastDate}};
}

} // namespace tools_test
