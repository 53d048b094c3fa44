#include "gir/CLCGIRCsvData.h"

#include "cbc/CLCCbCRecordData.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

#include <new>
#include <utility>

long CLCGIRCsvData::m_lLineCnt = 0;

namespace {
// The width of a GIR record; the structure check counts the others.
constexpr size_t kRecordColumns = 6;

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
        RecordFatal(kFunction, kUnexpectedError);
    }
    return false;
}

bool CLCGIRCsvData::Parse(size_t nKeepRecords)
{
    if (m_strCsvText.empty()) {
        RecordFatal("CLCGIRCsvData::Parse", "解析対象のデータが見当たりません。");
        return false;
    }
    m_nFields = 0;
    m_nKeepRecords = nKeepRecords;
    m_lReadRecords = 0;
    m_lSixColumnRecords = 0;
    m_bOtherWidth = false;
    const bool bParsed = CLCCbCCsvFile::Parse(m_strCsvText.c_str());
    std::string().swap(m_strCsvText);
    return bParsed;
}

bool CLCGIRCsvData::ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord)
{
    static constexpr const char* kFunction = "CLCGIRCsvData::ColumnTerm";
    // The columns are kept here, not in the tokenizer's list (which stays empty).
    vecColumns.clear();
    try {
        const std::string_view svTrimmed = CLCCbCCommon::StringTrimView(strField);
        if (m_nFields == m_vecFields.size())
            m_vecFields.emplace_back();
        m_vecFields[m_nFields++].assign(svTrimmed.data(), svTrimmed.size());
        strField.clear();
        if (!bEndOfRecord)
            return true;
        const size_t nFields = m_nFields;
        m_nFields = 0;
        // A record of one empty column is a blank line.
        if (nFields == 1 && m_vecFields[0].empty())
            return true;
        ++m_lReadRecords;
        if (nFields == kRecordColumns)
            ++m_lSixColumnRecords;
        else
            m_bOtherWidth = true;
        if (static_cast<size_t>(m_lReadRecords) > m_nKeepRecords) {
            // Past what may be kept: the file is refused, so none is kept.
            if (!m_vRecord.empty())
                ReleaseRecords();
        } else {
            try {
                m_vRecord.emplace_back(m_vecFields.data(), nFields, m_lLineCnt + 1);
            } catch (const std::bad_alloc&) {
                RecordFatal(kFunction, "クラスの生成に失敗しました。");
                return false;
            }
        }
        ++m_lLineCnt;
        return true;
    } catch (...) {
        m_nFields = 0;
        RecordFatal(kFunction, kUnexpectedError);
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
