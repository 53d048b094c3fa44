#pragma once
#include "foundation/CLCCbCMessage.h"
#include <cstdint>

// The kind of API argument to check. CLCCbCValidator takes every kind but 8;
// the GIR parameter validator takes 4, 6 and 8.
enum CLCArgValid_t : int32_t {
    ARG_VALID_CSV = 1,
    ARG_VALID_SOFT_NAME = 2,
    ARG_VALID_SAKUSEI_NAME = 3,
    ARG_VALID_OUT_PATH = 4,
    ARG_VALID_TEIKYOU_NAIYOU = 5,
    ARG_VALID_HOJIN_BANGO = 6,
    ARG_VALID_XML = 7,
    ARG_VALID_CSV_FOLDER = 8,
    ARG_VALID_CSV_ONLY = 9,
    ARG_VALID_CSV_WRITE = 10,
    ARG_VALID_FILE = 11
};

// One static rule row: the rule, then its optional outer rule (empty keyword =
// none). Column -1 judges the value itself; message none = the kind's default.
struct CLCValidTable_t {
    long long column;
    const char* type;
    const char* value;
    const char* min;
    const char* max;
    long long outerColumn;
    const char* outerType;
    const char* outerValue;
    const char* outerMin;
    const char* outerMax;
    CLCCbCMessage_t message;
};

namespace CLCValidTables {
constexpr CLCValidTable_t Rule(const char* szType, const char* szValue = "", const char* szMax = "",
                               const char* szOuterType = "")
{
    return {-1, szType, szValue, "", szMax, -1, szOuterType, "", "", "", CBC_MSG_NONE};
}

inline constexpr CLCValidTable_t CsvValidTable[] = {
    Rule("exist"), Rule("extension", ".csv .CSV .txt .TXT"), Rule("existPath", "file")};
inline constexpr CLCValidTable_t SakuseiNMValidTable[] = {
    Rule("exist"), Rule("length", "", "30"), Rule("charset", "levraString")};
inline constexpr CLCValidTable_t OutPathValidTable[] = {Rule("existPath", "dir")};
inline constexpr CLCValidTable_t TeikyouNaiyouValidTable[] = {
    Rule("exist"), Rule("length", "1"), Rule("number"), Rule("contain", "1 2")};
// The corporate number is optional: each rule applies only when a value exists.
inline constexpr CLCValidTable_t HojinBangoValidTable[] = {
    Rule("length", "13", "", "exist"), Rule("number", "", "", "exist"), Rule("checkDigits", "hojin", "", "exist")};
inline constexpr CLCValidTable_t XmlValidTable[] = {
    Rule("exist"), Rule("extension", ".xml .XML"), Rule("existPath", "file")};
inline constexpr CLCValidTable_t CsvOnlyValidTable[] = {
    Rule("exist"), Rule("extension", ".csv .CSV"), Rule("existPath", "file")};
inline constexpr CLCValidTable_t CsvWriteValidTable[] = {Rule("exist"), Rule("extension", ".csv .CSV")};
inline constexpr CLCValidTable_t FileValidTable[] = {Rule("exist"), Rule("existPath", "file")};

// Read by the GIR parameter validator (kind 8) and the GIR folder check.
inline constexpr CLCValidTable_t CsvFolerValidTable[] = {Rule("exist"), Rule("existFolder")};
inline constexpr CLCValidTable_t BasicCsvFileValidTable[] = {
    Rule("extension", ".txt .TXT .csv .CSV"), Rule("existPath", "file")};
} // namespace CLCValidTables
