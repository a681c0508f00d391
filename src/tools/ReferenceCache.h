#pragma once
// The nation and city reference tables (aNation, aCityInfo): refilled from the maker's airport
// service when its modification date differs from the one stored with the nations, and the
// lookup from an airport code to its nation.

#include "remote/CacheDBCommands.h"
#include "remote/DataRow.h"
#include "storage/DBClass.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

/// A nation of aNation.
struct Nation {
    std::string code;
    std::string eng;
    std::string kor;
    std::string fileName;
    bool operator==(const Nation&) const = default;
};

/// What became of one row of a refill.
enum class RowOutcome {
    Stored,  ///< inserted, or updated over an earlier row of the same key
    Skipped, ///< the table refused this row (its key or a value does not fit): left out
    Failed,  ///< the database file failed (full disk, I/O error, ...): the refill stops
};

class ReferenceCache {
public:
    static constexpr const char* kStoredDate = "SELECT sDate FROM aNation LIMIT1";
    static constexpr const char* kDeleteNations = "DELETE FROM aNation";
    static constexpr const char* kDeleteCities = "DELETE FROM aCityInfo";
    static constexpr const char* kInsertNation =
        "INSERT INTO aNation(NationCode, NationEng, NationKor, sFileName, sDate) "
        "VALUES('%@','%@','%@','%@','%@')";
    static constexpr const char* kUpdateNation =
        "UPDATE aNation SET NationEng = '%@', NationKor = '%@', sFileName  = '%@', sDate  = "
        "'%@' WHERE NationCode = '%@'";
    static constexpr const char* kInsertCity =
        "INSERT INTO aCityInfo(cityCode, cityEng, cityKor, cityFlag, NationCode) "
        "VALUES('%@','%@','%@','%@','%@')";
    static constexpr const char* kUpdateCity =
        "UPDATE aCityInfo SET cityEng = '%@', cityKor = '%@', cityFlag  = '%@', NationCode  = "
        "'%@' WHERE cityCode = '%@'";
    static constexpr const char* kNationOfCity =
        "SELECT a.NationCode, a.NationEng, a.NationKor, a.sFileName FROM aNation a LEFT JOIN "
        "aCityInfo b ON a.NationCode = b.NationCode WHERE b.cityCode = '%@'";

    /// `commands` makes the catalogue for each remote call.
    ReferenceCache(storage::DBClass& db, std::function<remote::CacheDBCommands()> commands);

    /// The modification check: asks the service for its modification date and refills both
    /// tables when it differs from the stored one.
    void copyDbFile();
    /// Compares `serverDate` with the date stored in aNation; refills when they differ.
    void isDBFileCheck(const std::string& serverDate);
    /// Asks for the nations, then the cities, and stores them (storeCardData).
    void GetCardData(const std::string& date);
    /// Refills aCityInfo, then aNation with `date`, each unless its answer failed.
    void storeCardData(const std::optional<std::string>& nations,
                       const std::optional<std::string>& cities, const std::string& date);
    /// Refills aNation with `date` from an answer of Nation_List02 in hand.
    bool refillNations(const std::string& answer, const std::string& date);
    /// Refills aCityInfo from an answer of City_List02 in hand.
    bool refillCities(const std::string& answer);
    /// The refills with the answers' rows already read.
    bool refillNationRows(const std::vector<remote::DataRow>& rows, const std::string& date);
    bool refillCityRows(const std::vector<remote::DataRow>& rows);

    /// Writes one nation on the open connection: the insert, else the update of its key.
    RowOutcome InsertNation(std::string_view code, std::string_view eng, std::string_view kor,
                            std::string_view fileName, std::string_view date);
    /// Writes one city on the open connection: the insert, else the update of its key.
    RowOutcome InsertCityCode(std::string_view code, std::string_view eng, std::string_view kor,
                              std::string_view flag, std::string_view nationCode);

    /// The nation of an airport or city code; nothing when the code or its nation is unknown.
    std::optional<Nation> GetCityCodeToNationCode(const std::string& code);

private:
    template <typename WriteRows> bool refill(const char* deleteStatement, WriteRows writeRows);
    template <typename Insert, typename Update> RowOutcome upsert(Insert insert, Update update);

    storage::DBClass& db_;
    std::function<remote::CacheDBCommands()> commands_;
};

} // namespace tools
