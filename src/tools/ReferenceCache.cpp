#include "tools/ReferenceCache.h"

#include "remote/Answer.h"
#include "remote/XmlDataSetParser2.h"
#include "storage/Connection.h"
#include "storage/SqlFormat.h"

namespace tools {
ReferenceCache::ReferenceCache(storage::DBClass& db,
                               std::function<remote::CacheDBCommands()> commands)
    : db_(db), commands_(std::move(commands)) {}

void ReferenceCache::copyDbFile() {
    const auto answer = commands_().Nation_Modify_List01();
    if (remote::isFailure(answer))
        return;
    remote::XmlDataSetParser2 parser("Table1");
    parser.parse(*answer);
    const auto& rows = parser.mXMLDataList();
    if (rows.empty())
        return;
    // A first row without a date gives nothing to compare or to store.
    const auto serverDate = rows.front().find("sDate");
    if (!serverDate)
        return;
    // Once per row, always with the first row's date: after a failed refill each later run
    // tries once more, after a good one they find the dates equal.
    for (std::size_t i = 0; i < rows.size(); ++i)
        isDBFileCheck(std::string(*serverDate));
}

void ReferenceCache::isDBFileCheck(const std::string& serverDate) {
    // "LIMIT1" makes LIMIT1 the table's alias: every row comes back, and the last one counts.
    const auto rows = storage::Connection(db_)->query(kStoredDate).valueOr({});
    const std::string stored = rows.empty() ? std::string() : rows.back().at("0");
    if (serverDate != stored)
        GetCardData(serverDate);
}

void ReferenceCache::GetCardData(const std::string& date) {
    const auto nations = commands_().Nation_List02("");
    const auto cities = commands_().City_List02();
    storeCardData(nations, cities, date);
}

void ReferenceCache::storeCardData(const std::optional<std::string>& nations,
                                   const std::optional<std::string>& cities,
                                   const std::string& date) {
    // The nations carry the date that vouches for both tables, so they are written last: a
    // stop between the two writes leaves the old date, and the next check refills both.
    if (!remote::isFailure(cities))
        refillCities(*cities);
    if (!remote::isFailure(nations))
        refillNations(*nations, date);
}

bool ReferenceCache::refillNations(const std::string& answer, const std::string& date) {
    remote::XmlDataSetParser2 parser("Table1");
    parser.parse(answer);
    return refillNationRows(parser.mXMLDataList(), date);
}

bool ReferenceCache::refillCities(const std::string& answer) {
    remote::XmlDataSetParser2 parser("Table1");
    parser.parse(answer);
    return refillCityRows(parser.mXMLDataList());
}

bool ReferenceCache::refillNationRows(const std::vector<remote::DataRow>& rows,
                                      const std::string& date) {
    return refill(kDeleteNations, [&] {
        for (const auto& row : rows)
            if (InsertNation(row.value("NationCode"), row.value("NationEng"),
                             row.value("NationKor"), row.value("sFileName"),
                             date) == RowOutcome::Failed)
                return false;
        return true;
    });
}

bool ReferenceCache::refillCityRows(const std::vector<remote::DataRow>& rows) {
    return refill(kDeleteCities, [&] {
        for (const auto& row : rows)
            if (InsertCityCode(row.value("cityCode"), row.value("cityEng"), row.value("cityKor"),
                               row.value("cityFlag"),
                               row.value("NationCode")) == RowOutcome::Failed)
                return false;
        return true;
    });
}

// A refill empties its table and writes the answer's rows in one transaction: a crash, a
// full disk or an I/O error on the way leaves the previous rows, never a part of the new
// ones that the stored date would then keep.
template <typename WriteRows>
bool ReferenceCache::refill(const char* deleteStatement, WriteRows writeRows) {
    const storage::Connection connection(db_);
    return db_.inTransaction("reference refill", [&] {
        return db_.execute(deleteStatement) == storage::Status::Ok && writeRows();
    });
}

// The statements are bound rather than composed: one preparation per refill, not per row.
template <typename Insert, typename Update>
RowOutcome ReferenceCache::upsert(Insert insert, Update update) {
    const storage::Status inserted = insert();
    if (inserted != storage::Status::Refused)
        return inserted == storage::Status::Ok ? RowOutcome::Stored : RowOutcome::Failed;
    // The table was emptied first: the update takes effect only for a second row of the same
    // key in one answer, and the later row wins.
    const storage::Status updated = update();
    return updated == storage::Status::Ok        ? RowOutcome::Stored
           : updated == storage::Status::Refused ? RowOutcome::Skipped
                                                 : RowOutcome::Failed;
}

RowOutcome ReferenceCache::InsertNation(std::string_view code, std::string_view eng,
                                        std::string_view kor, std::string_view fileName,
                                        std::string_view date) {
    return upsert(
        [&] {
            return db_.execute(kInsertNation, {code, eng, kor, fileName, date});
        },
        [&] {
            return db_.execute(kUpdateNation, {eng, kor, fileName, date, code});
        });
}

RowOutcome ReferenceCache::InsertCityCode(std::string_view code, std::string_view eng,
                                          std::string_view kor, std::string_view flag,
                                          std::string_view nationCode) {
    return upsert(
        [&] {
            return db_.execute(kInsertCity, {code, eng, kor, flag, nationCode});
        },
        [&] {
            return db_.execute(kUpdateCity, {eng, kor, flag, nationCode, code});
        });
}

std::optional<Nation> ReferenceCache::GetCityCodeToNationCode(const std::string& code) {
    const auto rows =
        storage::Connection(db_)->query(storage::sqlFormat(kNationOfCity, {code})).valueOr({});
    if (rows.empty())
        return std::nullopt;
    const auto& r = rows.front();
    return Nation{r.at("0"), r.at("1"), r.at("2"), r.at("3")};
}

} // namespace tools
