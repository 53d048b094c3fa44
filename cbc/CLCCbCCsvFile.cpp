#include "cbc/CLCCbCCsvFile.h"

#include "cbc/CLCCbCRecordData.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

namespace {
constexpr const char* kNewFailed = "クラスの生成(new)に失敗しました。";

void RecordFatal(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResult::instance()->SetFatalError();
}

// The length of the longest start of the bytes that ends on a character
// boundary of CP932: a lead byte (0x81 to 0x9F, 0xE0 to 0xFC) takes the byte
// after it, whatever that is, as the decoder does. nDecoded grows by the most
// UTF-8 bytes those characters can decode to: ASCII stays one byte, every
// other character of CP932 (one or two bytes) is one of the Basic
// Multilingual Plane, at most three.
size_t WholeCharacters(const char* pBytes, size_t nBytes, size_t& nDecoded)
{
    size_t i = 0;
    size_t nOthers = 0;       // characters other than ASCII
    size_t nOtherBytes = 0;   // and their bytes
    while (i < nBytes) {
        // Eight ASCII bytes at a time: none of them is a lead byte.
        if (nBytes - i >= 8) {
            uint64_t ullWord;
            std::memcpy(&ullWord, pBytes + i, sizeof ullWord);
            if ((ullWord & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(pBytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const size_t nLength = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
        if (nBytes - i < nLength)
            break;
        i += nLength;
        ++nOthers;
        nOtherBytes += nLength;
    }
    nDecoded += i - nOtherBytes + nOthers * 3;
    return i;
}

// Reads the stream to its end in blocks of strBlock's size less one and hands
// each run of whole characters to fnRun(bytes, count), which answers whether
// to go on; a character cut by a block's end is carried into the next run,
// and at the end every byte left is handed over. nDecoded grows as
// WholeCharacters has it for every run handed. The number of runs handed.
template <typename FnRun>
size_t ForEachRun(std::istream& in, std::string& strBlock, size_t& nDecoded, FnRun fnRun)
{
    const size_t nBlock = strBlock.size() - 1;
    size_t nCarried = 0;   // a lead byte whose trail byte is in the next block
    size_t nRuns = 0;
    do {
        in.read(&strBlock[nCarried], static_cast<std::streamsize>(nBlock));
        const size_t nBytes = nCarried + static_cast<size_t>(in.gcount());
        const size_t nWhole = WholeCharacters(strBlock.data(), nBytes, nDecoded);
        ++nRuns;
        // A lead byte last in the file goes to the decoder, which refuses it.
        nCarried = in ? nBytes - nWhole : 0;
        if (!fnRun(strBlock.data(), nBytes - nCarried))
            break;
        if (nCarried != 0)
            strBlock[0] = strBlock[nWhole];
    } while (in);
    return nRuns;
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

long CLCCbCCsvFile::GetColumnCount(long lRecord) const
{
    if (lRecord < 0 || static_cast<size_t>(lRecord) >= m_vecRecordTable.size())
        return 0;
    return static_cast<long>(m_vecRecordTable[static_cast<size_t>(lRecord)].size());
}

size_t CLCCbCCsvFile::GetTextSize() const
{
    size_t nSize = 0;
    for (const std::vector<std::string>& vecColumns : m_vecRecordTable) {
        for (const std::string& strColumn : vecColumns)
            nSize += strColumn.size();
    }
    return nSize;
}

CLCCbCCsvFile::CsvText CLCCbCCsvFile::LoadCsvText(const char* szPath, std::string& strUtf8)
{
    strUtf8.clear();
    if (szPath == nullptr)
        return CsvText::Unreadable;
    std::ifstream in(std::filesystem::u8path(szPath), std::ios::binary);
    if (!in)
        return CsvText::Unreadable;
    // Two passes. The first looks for a NUL byte and finds the most the text
    // can decode to, so that the text is one block of about its own size: a
    // 32-bit host may have the memory but no free block several times a large
    // file. The second decodes block by block, so that the file's bytes are
    // never held whole beside their text. A file read in one block is decoded
    // from that read.
    constexpr size_t kBlock = 16384;
    std::string strBlock(kBlock + 1, '\0');
    size_t nTotal = 0;
    size_t nMost = 0;
    bool bHasNul = false;
    // CP932 never uses 0x00 as a trail byte, so a zero byte is a NUL character
    // wherever it stands; rejecting it keeps records after it from being
    // dropped. It is reported before any byte that does not decode.
    const size_t nRuns = ForEachRun(in, strBlock, nMost, [&](const char* pBytes, size_t nBytes) {
        nTotal += nBytes;
        bHasNul = std::memchr(pBytes, '\0', nBytes) != nullptr;
        return !bHasNul;
    });
    if (in.bad())
        return CsvText::Unreadable;
    if (bHasNul)
        return CsvText::HasNul;
    if (nTotal == 0)
        return CsvText::Empty;
    if (nMost < strUtf8.max_size())
        strUtf8.reserve(nMost);

    std::string strPiece;
    std::string strDecoded;
    bool bDecoded = true;
    auto fnDecode = [&](const char* pBytes, size_t nBytes) {
        // The file may have changed since the first pass.
        bHasNul = bHasNul || std::memchr(pBytes, '\0', nBytes) != nullptr;
        if (bDecoded && !bHasNul && nBytes > 0) {
            strPiece.assign(pBytes, nBytes);
            bDecoded = CLCMacOSNative::SjisToUtf8(strPiece, strDecoded);
            strUtf8 += strDecoded;
        }
        return true;
    };
    if (nRuns == 1) {
        fnDecode(strBlock.data(), nTotal);
    } else {
        in.clear();
        in.seekg(0);
        size_t nAgain = 0;
        ForEachRun(in, strBlock, nAgain, fnDecode);
    }
    CsvText eText = CsvText::Ok;
    if (in.bad())
        eText = CsvText::Unreadable;
    else if (bHasNul)
        eText = CsvText::HasNul;
    else if (!bDecoded)
        eText = CsvText::NotShiftJis;
    if (eText != CsvText::Ok) {
        strUtf8 = std::string();
        return eText;
    }
    // Two-byte characters of three UTF-8 bytes fill the room exactly; those of
    // two (Greek, Cyrillic, a few signs) leave some, which is given back
    // before the text is kept for its parse.
    if (strUtf8.capacity() - strUtf8.size() > strUtf8.size() / 16)
        strUtf8.shrink_to_fit();
    return eText;
}

bool CLCCbCCsvFile::ReadFile(const char* szPath)
{
    static constexpr const char* kFunction = "CLCCbCCsvFile::ReadFile";
    try {
        const long lSize = szPath != nullptr ? CLCCbCCommon::GetFileSize(szPath) : -1;
        if (lSize == -1) {
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
        RecordFatal(kFunction, kUnexpectedError);
        return false;
    }
}

bool CLCCbCCsvFile::Parse(const char* szText)
{
    static constexpr const char* kFunction = "CLCCbCCsvFile::Parse";
    if (szText == nullptr) {
        RecordFatal(kFunction, kUnexpectedError);
        return false;
    }
    // Pieces gather in one reused field handed to ColumnTerm, which empties it.
    struct SColumnTermSink {
        CLCCbCCsvFile& file;
        std::string strField;
        std::vector<std::string> vecColumns;

        void Piece(const char* p, size_t n) { strField.append(p, n); }
        bool End(const char* /*pAt*/, bool bEndOfRecord)
        {
            return file.ColumnTerm(strField, vecColumns, bEndOfRecord);
        }
    };
    try {
        SColumnTermSink sink{*this, {}, {}};
        return Tokenize(szText, sink);
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
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
                // The record reads the entry about to be appended to the table.
                pRecord = std::make_unique<CLCCbCRecordData>(*this, static_cast<long>(m_vecRecordTable.size()),
                                                             lLineCnt + 1);
            } catch (const std::bad_alloc&) {
                RecordFatal(kFunction, kNewFailed);
                vecColumns.clear();
                return false;
            }
            // Make room first so the two lists cannot end up of different lengths.
            if (vecRecords.size() == vecRecords.capacity())
                vecRecords.reserve(vecRecords.size() * 2 + 16);
            const size_t nColumns = vecColumns.size();
            m_vecRecordTable.push_back(std::move(vecColumns));
            vecRecords.push_back(std::move(pRecord));
            ++lLineCnt;
            // The next record most likely has as many columns.
            vecColumns.clear();
            vecColumns.reserve(nColumns);
        }
        vecColumns.clear();
        return bAccepted;
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
        vecColumns.clear();
        return false;
    }
}
