#include "cbc/CLCCbCCsvFile.h"

#include "cbc/CLCCbCRecordData.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>

namespace {
constexpr const char* kUnexpected = "想定しないエラーが発生しました。";
constexpr const char* kNewFailed = "クラスの生成(new)に失敗しました。";

void RecordFatal(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResult::instance()->SetFatalError();
}
} // namespace

bool CLCCbCCsvFile::ValidateRecord(std::vector<std::string>& /*vecColumns*/) { return false; }
bool CLCCbCCsvFile::ValidateCsv() { return false; }
bool CLCCbCCsvFile::DistributeRecord(long /*lIndex*/) { return true; }
bool CLCCbCCsvFile::ValidOverlapColumn(long /*lColumn*/, CLCCbCMessage_t /*message*/) { return false; }
CLCCbCAppendixTable* CLCCbCCsvFile::GetCbCFinalParentCompany() { return nullptr; }
CLCCbCAppendixTable* CLCCbCCsvFile::GetCbCCountryReport() { return nullptr; }
CLCCbCAppendixTable* CLCCbCCsvFile::GetCbCBusinessOverView() { return nullptr; }
CLCCbCCbCReport* CLCCbCCsvFile::GetCbCMessageSpec() { return nullptr; }
CLCCbCCbCReport* CLCCbCCsvFile::GetCbCReportingEntity() { return nullptr; }
CLCCbCCbCReport* CLCCbCCsvFile::GetCbCReportsSummary() { return nullptr; }
CLCCbCCbCReport* CLCCbCCsvFile::GetCbCReportsConstEntities() { return nullptr; }
CLCCbCCbCReport* CLCCbCCsvFile::GetCbCAdditionalInfo() { return nullptr; }
const char* CLCCbCCsvFile::GetColumnValue(long /*lRecord*/, long /*lColumn*/) { return nullptr; }
CLCGIRAppendixTable* CLCCbCCsvFile::GetGIRAppendixTable() { return nullptr; }

bool CLCCbCCsvFile::ColumnTerm(std::string& /*strField*/, std::vector<std::string>& /*vecColumns*/,
                               bool /*bEndOfRecord*/)
{
    return false;
}

const char* CLCCbCCsvFile::GetItem(long lRecord, long lColumn) const
{
    if (lRecord < 0 || static_cast<size_t>(lRecord) >= m_vecRecordTable.size())
        return nullptr;
    const std::vector<std::string>& vecColumns = m_vecRecordTable[static_cast<size_t>(lRecord)];
    if (lColumn < 0 || static_cast<size_t>(lColumn) >= vecColumns.size())
        return nullptr;
    return vecColumns[static_cast<size_t>(lColumn)].c_str();
}

CLCCbCCsvFile::CsvText CLCCbCCsvFile::LoadCsvText(const char* szPath, std::string& strUtf8)
{
    strUtf8.clear();
    if (szPath == nullptr)
        return CsvText::Unreadable;
    std::ifstream in(std::filesystem::u8path(szPath), std::ios::binary);
    if (!in)
        return CsvText::Unreadable;
    std::string strBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return CsvText::Unreadable;
    if (strBytes.empty())
        return CsvText::Empty;
    // CP932 never uses 0x00 as a trail byte, so a zero byte is a NUL character
    // wherever it stands; rejecting it keeps records after it from being dropped.
    if (strBytes.find('\0') != std::string::npos)
        return CsvText::HasNul;
    // Decode once on reading: every check after this sees UTF-8.
    if (!CLCMacOSNative::SjisToUtf8(strBytes, strUtf8)) {
        strUtf8.clear();
        return CsvText::NotShiftJis;
    }
    return CsvText::Ok;
}

bool CLCCbCCsvFile::ReadFile(const char* szPath)
{
    static constexpr const char* kFunction = "CLCCbCCsvFile::ReadFile";
    try {
        if (szPath == nullptr || CLCCbCCommon::GetFileSize(szPath) == -1) {
            RecordFatal(kFunction, "ファイルサイズ取得に失敗しました。");
            return false;
        }
        std::string strText;
        switch (LoadCsvText(szPath, strText)) {
        case CsvText::Ok:
            break;
        case CsvText::Unreadable:
        case CsvText::Empty:
            RecordFatal(kFunction, "ファイル読込に失敗しました。");
            return false;
        case CsvText::HasNul:
            CLCValidResult::instance()->SetResult(HE60012E, 0, 0, -1);
            return false;
        case CsvText::NotShiftJis:
            CLCValidResult::instance()->SetResult(HE60011E, 0, 0, -1);
            return false;
        }
        if (!Parse(strText.c_str()))
            return false;
        return ValidateCsv();
    } catch (...) {
        RecordFatal(kFunction, kUnexpected);
        return false;
    }
}

bool CLCCbCCsvFile::Parse(const char* szText)
{
    static constexpr const char* kFunction = "CLCCbCCsvFile::Parse";
    if (szText == nullptr) {
        RecordFatal(kFunction, kUnexpected);
        return false;
    }
    try {
        std::string strField;
        std::vector<std::string> vecColumns;
        bool bQuoted = false;
        const char* p = szText;
        const char* pFieldStart = p;
        while (*p != '\0') {
            const char c = *p;
            if (bQuoted) {
                if (c == '"' && p[1] == '"') {
                    strField += '"';
                    p += 2;
                    continue;
                }
                if (c == '"') {
                    bQuoted = false;     // text after the closing quote joins the field
                    ++p;
                    continue;
                }
                // Comma, CR and LF included: everything up to the next quote.
                const size_t nRun = std::strcspn(p, "\"");
                strField.append(p, nRun);
                p += nRun;
                continue;
            }
            if (c == '"' && p == pFieldStart) {
                bQuoted = true;
                ++p;
                continue;
            }
            if (c == ',') {
                ColumnTerm(strField, vecColumns, false);
                pFieldStart = ++p;
                continue;
            }
            if (c == '\r' || c == '\n') {
                if (!ColumnTerm(strField, vecColumns, true))
                    return false;
                if (c == '\r' && p[1] == '\n')
                    ++p;
                pFieldStart = ++p;
                continue;
            }
            // Up to the next separator; a quote inside the field is an ordinary byte.
            const size_t nRun = std::strcspn(p, ",\r\n");
            strField.append(p, nRun);
            p += nRun;
        }
        return ColumnTerm(strField, vecColumns, true);
    } catch (...) {
        RecordFatal(kFunction, kUnexpected);
        return false;
    }
}

bool CLCCbCCsvFile::HandOverField(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord,
                                  long long& lLineCnt, std::vector<std::unique_ptr<CLCCbCRecordData>>& vecRecords)
{
    static constexpr const char* kFunction = "CLCCbCCsvFile::ColumnTerm";
    try {
        vecColumns.push_back(CLCCbCCommon::StringTrim(strField.c_str()));
        strField.clear();
        if (!bEndOfRecord)
            return true;
        const bool bAccepted = ValidateRecord(vecColumns);
        // A single column is either a blank line or a layout error already reported.
        if (bAccepted && vecColumns.size() > 1) {
            std::unique_ptr<CLCCbCRecordData> pRecord;
            try {
                pRecord = std::make_unique<CLCCbCRecordData>(vecColumns, lLineCnt + 1);
            } catch (const std::bad_alloc&) {
                RecordFatal(kFunction, kNewFailed);
                vecColumns.clear();
                return false;
            }
            // Make room first so the two lists cannot end up of different lengths.
            if (vecRecords.size() == vecRecords.capacity())
                vecRecords.reserve(vecRecords.size() * 2 + 16);
            m_vecRecordTable.push_back(vecColumns);
            vecRecords.push_back(std::move(pRecord));
            ++lLineCnt;
        }
        vecColumns.clear();
        return bAccepted;
    } catch (...) {
        RecordFatal(kFunction, kUnexpected);
        vecColumns.clear();
        return false;
    }
}
