#include "gir/CLCGIRCsvData.h"

#include "cbc/CLCCbCRecordData.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

#include <new>
#include <utility>

long CLCGIRCsvData::m_lLineCnt = 0;

namespace {
void RecordFatal(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResultGIR::instance()->SetFatalError();
}
} // namespace

CLCGIRCsvData::CLCGIRCsvData(std::string strFilePath) : m_strFilePath(std::move(strFilePath))
{
    m_lLineCnt = 0;
}

CLCGIRCsvData::~CLCGIRCsvData() = default;

bool CLCGIRCsvData::ReadFile()
{
    static constexpr const char* kFunction = "CLCGIRCsvData::ReadFile";
    m_strCsvText.clear();
    m_eReadStatus = CsvText::Ok;
    try {
        if (CLCCbCCommon::GetFileSize(m_strFilePath.c_str()) == -1) {
            m_eReadStatus = CsvText::Unreadable;
            RecordFatal(kFunction, "ファイルサイズ取得に失敗しました。");
            return false;
        }
        m_eReadStatus = LoadCsvText(m_strFilePath.c_str(), m_strCsvText);
        switch (m_eReadStatus) {
        case CsvText::Ok:
            return true;
        case CsvText::Unreadable:
        case CsvText::Empty:
            RecordFatal(kFunction, "ファイル読込に失敗しました。");
            return false;
        case CsvText::HasNul:
        case CsvText::NotShiftJis:
            // Readable but not Shift_JIS text: the user's data, reported by the caller.
            return false;
        }
    } catch (...) {
        m_eReadStatus = CsvText::Unreadable;
        m_strCsvText.clear();
        RecordFatal(kFunction, "想定しないエラーが発生しました。");
    }
    return false;
}

bool CLCGIRCsvData::Parse()
{
    if (m_strCsvText.empty()) {
        RecordFatal("CLCGIRCsvData::Parse", "解析対象のデータが見当たりません。");
        return false;
    }
    const bool bParsed = CLCCbCCsvFile::Parse(m_strCsvText.c_str());
    std::string().swap(m_strCsvText);
    return bParsed;
}

bool CLCGIRCsvData::ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord)
{
    static constexpr const char* kFunction = "CLCGIRCsvData::ColumnTerm";
    try {
        vecColumns.push_back(CLCCbCCommon::StringTrim(strField.c_str()));
        strField.clear();
        if (!bEndOfRecord)
            return true;
        if (vecColumns.size() == 1 && vecColumns[0].empty()) {
            vecColumns.clear();
            return true;
        }
        try {
            m_vRecord.emplace_back(vecColumns, m_lLineCnt + 1);
        } catch (const std::bad_alloc&) {
            vecColumns.clear();
            RecordFatal(kFunction, "クラスの生成に失敗しました。");
            return false;
        }
        ++m_lLineCnt;
        vecColumns.clear();   // its room serves the next record
        return true;
    } catch (...) {
        vecColumns.clear();
        RecordFatal(kFunction, "想定しないエラーが発生しました。");
        return false;
    }
}

long CLCGIRCsvData::GetColumnNumber(long lRecord) const
{
    return m_vRecord[static_cast<size_t>(lRecord)].GetColumnNumber();
}

const char* CLCGIRCsvData::GetColumnValue(long lRecord, long lColumn)
{
    return m_vRecord[static_cast<size_t>(lRecord)].GetColumnValue(lColumn);
}

long long CLCGIRCsvData::GetRecordLineNo(long lRecord) const
{
    return m_vRecord[static_cast<size_t>(lRecord)].GetLineNo();
}
