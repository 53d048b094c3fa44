#include "gir/CLCGIRCsvData.h"

#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/platform/CLCPlatformTraits.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
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

// How many fields and records the text can hold at most: every field but the
// last ends at a comma or a line end. A CR LF counts twice.
void CountSeparators(const std::string& strText, size_t& nFields, size_t& nRecords)
{
    size_t nCommas = 0;
    size_t nLineEnds = 0;
    for (const char c : strText) {
        nCommas += c == ',';
        nLineEnds += (c == '\r') + (c == '\n');
    }
    nRecords = nLineEnds + 1;
    nFields = nCommas + nRecords;
}

// The bytes a trimmed sequence can begin or end with: a field with neither at
// its ends, as nearly every one is, needs no trim.
struct STrimEdges {
    bool bEdge[256] = {};
    constexpr STrimEdges()
    {
        for (std::string_view svSpace : CLCPlatformTraits::kTrimSet) {
            bEdge[static_cast<unsigned char>(svSpace.front())] = true;
            bEdge[static_cast<unsigned char>(svSpace.back())] = true;
        }
    }
};
constexpr STrimEdges kTrimEdges;

std::string_view Trimmed(std::string_view sv)
{
    if (sv.empty()
        || (!kTrimEdges.bEdge[static_cast<unsigned char>(sv.front())]
            && !kTrimEdges.bEdge[static_cast<unsigned char>(sv.back())]))
        return sv;
    return CLCCbCCommon::StringTrimView(sv);
}
} // namespace

// Rewrites each field in place: a quoted field's pieces are moved together
// (never forward: the quotes it loses make it shorter than its source), then
// the field is trimmed and ended by a zero byte, which falls at the latest on
// its separator. A record's fields are gathered and kept when it ends.
struct CLCGIRCsvData::SFieldSink {
    CLCGIRCsvData& data;
    char* const pText;          // the parsed text, writable
    std::vector<SField> vecRecord;   // the fields of the record being read
    size_t nRecordBytes = 0;    // of its fields, each with its zero byte
    size_t nKeptBytes = 0;      // of the kept fields
    size_t nOut = 0;            // where the field's next piece goes
    size_t nFieldStart = 0;
    bool bInField = false;

    void Piece(const char* p, size_t n)
    {
        const size_t nAt = static_cast<size_t>(p - pText);
        if (!bInField) {
            bInField = true;
            nFieldStart = nOut = nAt;
        } else if (nAt != nOut) {
            std::memmove(pText + nOut, p, n);
        }
        nOut += n;
    }

    bool End(const char* pAt, bool bEndOfRecord)
    {
        const std::string_view svField =
            bInField ? Trimmed(std::string_view(pText + nFieldStart, nOut - nFieldStart)) : std::string_view(pAt, 0);
        bInField = false;
        const size_t nAt = static_cast<size_t>(svField.data() - pText);
        pText[nAt + svField.size()] = '\0';
        // Set member by member: a whole-struct copy makes some compilers store
        // the halves separately and read them back as one.
        SField& field = vecRecord.emplace_back();
        field.nAt = static_cast<uint32_t>(nAt);
        field.nLength = static_cast<uint32_t>(svField.size());
        nRecordBytes += svField.size() + 1;
        if (bEndOfRecord)
            EndRecord();
        return true;
    }

    void EndRecord()
    {
        const size_t nFields = vecRecord.size();
        const size_t nBytes = nRecordBytes;
        nRecordBytes = 0;
        // A record of one empty column is a blank line.
        if (nFields == 1 && nBytes == 1) {
            vecRecord.clear();
            return;
        }
        ++data.m_lReadRecords;
        if (nFields == kRecordColumns)
            ++data.m_lSixColumnRecords;
        else
            data.m_bOtherWidth = true;
        if (static_cast<size_t>(data.m_lReadRecords) > data.m_nKeepRecords) {
            // Past what may be kept: the file is refused, so none is kept,
            // and what was kept so far is given back at once.
            if (!data.m_vecRecordEnd.empty())
                data.ReleaseFields();
            nKeptBytes = 0;
        } else {
            data.AppendFields(vecRecord.data(), nFields);
            data.m_vecRecordEnd.push_back(static_cast<uint32_t>(data.m_nFields));
            nKeptBytes += nBytes;
        }
        vecRecord.clear();
        ++m_lLineCnt;
    }
};

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
        const long lSize = CLCCbCCommon::GetFileSize(m_strFilePath.c_str());
        if (lSize == -1) {
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
    static constexpr const char* kFunction = "CLCGIRCsvData::Parse";
    if (m_strCsvText.empty()) {
        RecordFatal(kFunction, "解析対象のデータが見当たりません。");
        return false;
    }
    ReleaseRecords();
    m_nKeepRecords = nKeepRecords;
    m_lReadRecords = 0;
    m_lSixColumnRecords = 0;
    m_bOtherWidth = false;
    m_llFirstLineNo = m_lLineCnt;
    m_strText = std::move(m_strCsvText);
    m_strCsvText = std::string();
    try {
        // Fields are found by offset: a text the offsets cannot reach is not
        // one the size limits let through.
        if (m_strText.size() >= UINT32_MAX)
            throw std::length_error("text too long");
        // A small file's first block is as large as it can need; a large
        // file's blocks come as it fills them.
        m_nFirstBlock = kBlockFields;
        if (m_strText.size() < 8 * kBlockFields) {
            size_t nFields = 0;
            size_t nRecords = 0;
            CountSeparators(m_strText, nFields, nRecords);
            m_nFirstBlock = std::min(kBlockFields, nFields);
            m_vecRecordEnd.reserve(std::min(nRecords, nKeepRecords));
        }
        SFieldSink sink{*this, &m_strText[0], {}};
        Tokenize(m_strText.c_str(), sink);
        // A text that is mostly separators and blanks (or whose records are
        // not kept) is not held whole until its nodes are made.
        if (sink.nKeptBytes < m_strText.size() / 2)
            KeepFieldsOnly(sink.nKeptBytes);
        return true;
    } catch (const std::bad_alloc&) {
        RecordFatal(kFunction, "クラスの生成に失敗しました。");
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
    }
    ReleaseRecords();
    return false;
}

bool CLCGIRCsvData::Parse(const char* szText)
{
    if (szText == nullptr) {
        RecordFatal("CLCGIRCsvData::Parse", kUnexpectedError);
        return false;
    }
    m_strCsvText = szText;
    return Parse();
}

void CLCGIRCsvData::KeepFieldsOnly(size_t nBytes)
{
    std::string strFields;
    strFields.reserve(nBytes);
    for (size_t i = 0; i < m_nFields; ++i) {
        SField& field = FieldAt(i);
        const size_t nAt = strFields.size();
        strFields.append(m_strText, field.nAt, field.nLength);
        strFields.push_back('\0');
        field.nAt = static_cast<uint32_t>(nAt);
    }
    m_strText.swap(strFields);
}

void CLCGIRCsvData::AppendFields(const SField* pFields, size_t nFields)
{
    for (size_t i = 0; i < nFields; ++i) {
        if (m_nFreeFields == 0) {
            const size_t nSize = m_vecBlock.empty() ? m_nFirstBlock : kBlockFields;
            m_vecBlock.emplace_back(new SField[nSize]);
            m_nFreeFields = nSize;
        }
        FieldAt(m_nFields) = pFields[i];
        ++m_nFields;
        --m_nFreeFields;
    }
}

void CLCGIRCsvData::ReleaseFields()
{
    std::vector<std::unique_ptr<SField[]>>().swap(m_vecBlock);
    std::vector<uint32_t>().swap(m_vecRecordEnd);
    m_nFields = 0;
    m_nFreeFields = 0;
    m_nReleasedBlocks = 0;
}

void CLCGIRCsvData::ReleaseRecordsBefore(long lRecord)
{
    const size_t nDone = FirstField(lRecord);   // the fields before it
    while (m_nReleasedBlocks < m_vecBlock.size()
           && m_nFirstBlock + m_nReleasedBlocks * kBlockFields <= nDone) {
        m_vecBlock[m_nReleasedBlocks].reset();
        ++m_nReleasedBlocks;
    }
}

void CLCGIRCsvData::ReleaseRecords()
{
    std::string().swap(m_strText);
    ReleaseFields();
}

const char* CLCGIRCsvData::GetColumnValue(long lRecord, long lColumn)
{
    if (lColumn < 0 || lColumn >= GetColumnNumber(lRecord))
        return nullptr;
    return m_strText.data() + FieldAt(FirstField(lRecord) + static_cast<size_t>(lColumn)).nAt;
}
