#pragma once
/// @file
/// The database schema: the five table definitions and the current schema version.
/// The statements are executed exactly as written here; the stored schema text in
/// sqlite_master is compared against them, so do not reformat them.

namespace storage::schema {

/// Schema version kept in the file's user_version header field.
inline constexpr int kVersion = 13;

/// Registered carrier beacons. Created before the version check so that it survives migration.
inline constexpr const char* kCreateRegistration =
    "CREATE TABLE IF NOT EXISTS aRegistration (sMac varchar(17) null, sUUID varchar(120) not "
    "null, sMajor varchar(10) not null, sMinor varchar(10) not null, sName varchar(500) null, "
    "constraint aRegistration_PK PRIMARY KEY(sUUID, sMajor, sMinor))";

/// Tracked flights, 22 columns. The statement ends with a blank.
inline constexpr const char* kCreateFlightInfo =
    "CREATE TABLE IF NOT EXISTS aFlightInfo(airline varchar(10) not null, flightId varchar(10) "
    "not null, scheduleDate varchar(8) not null, scheduleDate_Departure varchar(8) null, "
    "scheduleTime_Departure varchar(4) null, scheduleDate_Arrival varchar(8) null, "
    "scheduleTime_Arrival varchar(4) null, estimatedDate_Departure varchar(8) null, "
    "estimatedTime_Departure varchar(4) null, estimatedDate_Arrival varchar(8) null, "
    "estimatedTime_Arrival varchar(4) null, airport varchar(50) null, airport_departure "
    "varchar(50) null, airport_arrival varchar(50) null, airportcode_departure varchar(5) not "
    "null, airportcode_arrival varchar(5) not null, gatenumber varchar(10) null, carousel "
    "varchar(10) null, exitnumber varchar(10) null, remark varchar(10) null, chkinrange "
    "varchar(20) null, io varchar(1) not null, constraint aFlightInfo_PK PRIMARY "
    "KEY(airportcode_departure, airportcode_arrival, flightId, scheduleDate, io)) ";

/// Nation reference table; NationCode is the only integer column.
inline constexpr const char* kCreateNation =
    "CREATE TABLE IF NOT EXISTS aNation(NationCode integer not null, NationEng varchar(120) "
    "null, NationKor varchar(120) null, sFileName varchar(120) null, sDate varchar(8) null, "
    "constraint aNation_PK PRIMARY KEY(NationCode))";

/// City reference table.
inline constexpr const char* kCreateCityInfo =
    "CREATE TABLE IF NOT EXISTS aCityInfo(cityCode varchar(17) not null, cityEng varchar(120) "
    "not null, cityKor varchar(120) not null, cityFlag varchar(10) not null, NationCode "
    "varchar(500) null, sDate varchar(8) null, constraint aCityInfo_PK PRIMARY KEY(cityCode))";

/// Exchange rates per day and currency.
inline constexpr const char* kCreateExchange =
    "CREATE TABLE IF NOT EXISTS aExchange(sDATE varchar(8) not null, CUR_UNIT varchar(100) not "
    "null, CUR_NM varchar(100) not null, TTB varchar(50) not null, TTS varchar(50) null, "
    "DEAL_BAS_R varchar(50) null, LASTDATE varchar(14) null, constraint aExchange_PK PRIMARY "
    "KEY(sDATE, CUR_UNIT))";

/// Statement that records the schema version; the version number is appended.
inline constexpr const char* kSetVersionPrefix = "PRAGMA USER_VERSION = ";

/// Tables emptied by a migration, dropped in this order after the version is written.
inline constexpr const char* kMigrationDrops[] = {
    "DROP TABLE IF EXISTS aFlightInfo",
    "DROP TABLE IF EXISTS aNation",
    "DROP TABLE IF EXISTS aCityInfo",
    "DROP TABLE IF EXISTS aExchange",
};

/// The app's own tables beside the five: the changes announced for a tracked flight and the
/// moment its values were last confirmed, both keyed by the four columns that find a tracked
/// row. Older builds never touch them.
inline constexpr const char* kCreateFlightHistory =
    "CREATE TABLE IF NOT EXISTS aFlightHistory(airportcode_departure varchar(5) not null, "
    "airportcode_arrival varchar(5) not null, flightId varchar(10) not null, scheduleDate "
    "varchar(8) not null, seenAt integer not null, field varchar(10) not null, oldValue text "
    "null, newValue text null)";
inline constexpr const char* kCreateFlightConfirmed =
    "CREATE TABLE IF NOT EXISTS aFlightConfirmed(airportcode_departure varchar(5) not null, "
    "airportcode_arrival varchar(5) not null, flightId varchar(10) not null, scheduleDate "
    "varchar(8) not null, confirmedAt integer not null, constraint aFlightConfirmed_PK PRIMARY "
    "KEY(airportcode_departure, airportcode_arrival, flightId, scheduleDate))";
/// A migration that drops aFlightInfo drops what belongs to its rows too.
inline constexpr const char* kFlightCompanionDrops[] = {
    "DROP TABLE IF EXISTS aFlightHistory",
    "DROP TABLE IF EXISTS aFlightConfirmed",
};

} // namespace storage::schema
