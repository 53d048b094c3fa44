#include "foundation/CLCValidResult.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCGIRFilePatterns.h"
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <typeinfo>
#include <utility>

CLCValidResult* CLCValidResult::m_pInstance = nullptr;

namespace {

// More distinct rows than this are cut to kCapKeep rows plus the cap row.
constexpr size_t kCapLimit = 100000;
constexpr size_t kCapKeep = kCapLimit - 1;
constexpr _ResultTable kCapRow = {0, 0, -1, HE60022E};
constexpr _ResultTable kFatalRow = {0, 0, -1, HE60000E};

// printf-style zero padding ("%0*d" / "%0*ld") into a string of the exact size,
// so no value is ever cut.
std::string PadInt32(int32_t nValue, int nWidth)
{
    const int nLen = std::snprintf(nullptr, 0, "%0*d", nWidth, static_cast<int>(nValue));
    std::string str(static_cast<size_t>(nLen), '\0');
    std::snprintf(&str[0], str.size() + 1, "%0*d", nWidth, static_cast<int>(nValue));
    return str;
}

std::string PadLong(long lValue, int nWidth)
{
    const int nLen = std::snprintf(nullptr, 0, "%0*ld", nWidth, lValue);
    std::string str(static_cast<size_t>(nLen), '\0');
    std::snprintf(&str[0], str.size() + 1, "%0*ld", nWidth, lValue);
    return str;
}

// Sort, drop repeats and cap, in place. The cap row goes last, unsorted.
void Normalise(std::vector<_ResultTable>& vecRows)
{
    std::sort(vecRows.begin(), vecRows.end(), CLCValidResult::compareResult);
    vecRows.erase(std::unique(vecRows.begin(), vecRows.end(), CLCValidResult::uniqueResult), vecRows.end());
    if (vecRows.size() <= kCapLimit)
        return;
    vecRows.resize(kCapKeep);
    vecRows.push_back(kCapRow);
}

// A value outside the catalogue is never recorded by the rules; should one slip
// through, its entry carries an empty code rather than reading past the table.
std::string CodeOf(CLCCbCMessage_t msg)
{
    return CLCCbCCommon::ConvEnID2Code(msg);
}

// "line-column-code", the column part "cc:aa" with an assist column, else
// "ccccc"; numbers cut to TNumber as the collector's format reads them.
template <typename TNumber>
std::string Entry(const _ResultTable& row, int nLineWidth, std::string (*pfnPad)(TNumber, int))
{
    std::string strEntry = pfnPad(static_cast<TNumber>(row.line), nLineWidth);
    strEntry += '-';
    if (row.column2 != -1) {
        strEntry += pfnPad(static_cast<TNumber>(row.column), 2);
        strEntry += ':';
        strEntry += pfnPad(static_cast<TNumber>(row.column2), 2);
    } else {
        strEntry += pfnPad(static_cast<TNumber>(row.column), 5);
    }
    strEntry += '-';
    strEntry += CodeOf(row.message);
    return strEntry;
}

// "%04d-%s-%s" with "%02d:%02d" or "%05d" as the column part; 32-bit numbers.
std::string CbCEntry(const _ResultTable& row)
{
    return Entry<int32_t>(row, 4, &PadInt32);
}

// "%08ld-%s-%s" with "%02ld:%02ld" or "%05ld" as the column part; 64-bit numbers.
std::string GIREntry(const _ResultTable& row)
{
    return Entry<long>(row, 8, &PadLong);
}

template <typename FEntry>
std::string JoinEntries(const std::vector<_ResultTable>& vecRows, FEntry fnEntry)
{
    std::string strText;
    for (const _ResultTable& row : vecRows) {
        if (!strText.empty())
            strText += ',';
        strText += fnEntry(row);
    }
    return strText;
}

// Group of a file name in the detail lists: 0 to 6 for the seven name patterns,
// 7 for "その他", 8 for any other name.
size_t GroupOf(const std::string& strFile)
{
    const std::vector<std::string>& vecPatterns = CLCGIRFilePatterns::GroupPatterns();
    for (size_t i = 0; i < vecPatterns.size(); ++i) {
        if (CLCCbCCommon::strPatternMatch(strFile.c_str(), vecPatterns[i].c_str()))
            return i;
    }
    if (strFile == CLCValidResultGIR::kOtherFile)
        return vecPatterns.size();
    return vecPatterns.size() + 1;
}

// The log line and the exception the GIR builders hand their callers.
[[noreturn]] void FailUnexpected(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    throw std::runtime_error(kUnexpectedError);
}

} // namespace

// ---- CLCValidResult -------------------------------------------------------

CLCValidResult* CLCValidResult::instance()
{
    const bool bGIR = CLCCbCCommon::isGIRProcessMode();
    if (m_pInstance) {
        const std::type_info& wanted = bGIR ? typeid(CLCValidResultGIR) : typeid(CLCValidResult);
        if (typeid(*m_pInstance) == wanted)
            return m_pInstance;
        destroy();
    }
    if (bGIR)
        m_pInstance = new CLCValidResultGIR();
    else
        m_pInstance = new CLCValidResult();
    return m_pInstance;
}

void CLCValidResult::destroy()
{
    delete m_pInstance;
    m_pInstance = nullptr;
}

CLCValidResult::~CLCValidResult() = default;

void CLCValidResult::SetResult(CLCCbCMessage_t message, long line, long column, long column2)
{
    m_vecResult.push_back({line, column, column2, message});
}

void CLCValidResult::SetFatalError()
{
    m_vecResult.clear();
    m_vecResult.push_back(kFatalRow);
}

void CLCValidResult::ClearResult()
{
    m_vecResult.clear();
}

std::string CLCValidResult::MakeResult()
{
    Normalise(m_vecResult);
    std::string strText = JoinEntries(m_vecResult, CbCEntry);
    m_vecResult.clear();
    return strText;
}

bool CLCValidResult::compareResult(const _ResultTable& a, const _ResultTable& b)
{
    if (a.line != b.line)
        return a.line < b.line;
    if (a.column != b.column)
        return a.column < b.column;
    if (a.column2 != b.column2)
        return a.column2 < b.column2;
    return a.message < b.message;
}

bool CLCValidResult::uniqueResult(const _ResultTable& a, const _ResultTable& b)
{
    return a.line == b.line && a.column == b.column && a.column2 == b.column2 && a.message == b.message;
}

// ---- CLCValidResultGIR ----------------------------------------------------

CLCValidResultGIR* CLCValidResultGIR::instance()
{
    // Exact type only: handing out a plain collector as a GIR one would let the
    // caller write past it.
    if (m_pInstance && typeid(*m_pInstance) == typeid(CLCValidResultGIR))
        return static_cast<CLCValidResultGIR*>(m_pInstance);
    CLCValidResult::destroy();
    CLCValidResultGIR* pGIR = new CLCValidResultGIR();
    m_pInstance = pGIR;
    return pGIR;
}

void CLCValidResultGIR::destroy()
{
    CLCValidResult::destroy();
}

CLCValidResultGIR::~CLCValidResultGIR() = default;

void CLCValidResultGIR::SetResult(CLCCbCMessage_t message, long line, long column, long column2)
{
    SetResult(kOtherFile, message, line, column, column2);
}

void CLCValidResultGIR::SetFatalError()
{
    m_mapResult[kOtherFile].push_back(kFatalRow);
}

void CLCValidResultGIR::SetResult(const std::string& strFile, CLCCbCMessage_t message, long line, long column,
                                  long column2)
{
    m_mapResult[strFile].push_back({line, column, column2, message});
}

void CLCValidResultGIR::ClearResult(const std::string& strFile)
{
    m_mapResult.erase(strFile);
}

void CLCValidResultGIR::ClearResultAll()
{
    m_mapResult.clear();
}

std::string CLCValidResultGIR::MakeResult(std::string strFile, std::vector<_ResultTable> vecRows)
{
    (void)strFile; // the text does not name its file; the caller pairs them
    try {
        Normalise(vecRows);
        return JoinEntries(vecRows, GIREntry);
    } catch (...) {
        FailUnexpected("CLCValidResultGIR::MakeResult");
    }
}

void CLCValidResultGIR::MakeDetailErrorInfo()
{
    try {
        // Built aside and swapped in, so a failure leaves map and lists untouched.
        std::vector<std::vector<std::pair<std::string, std::string>>> vecGroups(
            CLCGIRFilePatterns::GroupPatterns().size() + 2);
        for (const auto& entry : m_mapResult)
            vecGroups[GroupOf(entry.first)].emplace_back(entry.first, MakeResult(entry.first, entry.second));

        std::vector<std::string> vecFiles;
        std::vector<std::string> vecTexts;
        for (auto& vecGroup : vecGroups) {
            for (auto& pair : vecGroup) {
                vecFiles.push_back(std::move(pair.first));
                vecTexts.push_back(std::move(pair.second));
            }
        }
        m_vecFileList.swap(vecFiles);
        m_vecDetailErrorInfoList.swap(vecTexts);
        m_mapResult.clear();
    } catch (...) {
        FailUnexpected("CLCValidResultGIR::MakeDetailErrorInfo");
    }
}

std::vector<std::string> CLCValidResultGIR::getFileList() const
{
    return m_vecFileList;
}

std::vector<std::string> CLCValidResultGIR::getDetailErrorInfoList() const
{
    return m_vecDetailErrorInfoList;
}
