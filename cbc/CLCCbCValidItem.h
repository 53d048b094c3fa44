#pragma once
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

class CLCCbCCsvFile;
class CLCGIRContainer;

// One rule of the rule engine: judges one text value taken from an argument, a
// column of a CSV record or a node of the GIR tree, after its outer rules
// (preconditions) have passed.
//
// Every check answers CBC_MSG_NONE (passed), HE60000E (could not be carried
// out: the fatal row is already recorded on the collector of the path) or the
// message of the failure, whose row is already recorded. A failing outer rule
// switches the rule off for that value without a row.
class CLCCbCValidItem {
public:
    CLCCbCValidItem(long lColumn, CLCCbCMessage_t message);
    virtual ~CLCCbCValidItem();

    CLCCbCValidItem(const CLCCbCValidItem&) = delete;
    CLCCbCValidItem& operator=(const CLCCbCValidItem&) = delete;

    // Argument value: rows go to CLCValidResult (line and column as given).
    virtual CLCCbCMessage_t Validate(const char* szValue, long lLine, long lColumn);
    // Column of one CSV record (0-based record index); rows are 1-based with
    // the assist column (or -1) as second column. A missing column passes.
    virtual CLCCbCMessage_t ValidateCsv(CLCCbCCsvFile* pCsv, long lRecord, long lIgnored);
    // Outer forms: the judgement alone, no row. On the CSV path a missing record
    // or column of the outer rule answers HE60000E.
    virtual CLCCbCMessage_t ValidateOuter(CLCCbCCsvFile* pCsv, long lRecord, long lIgnored);
    virtual CLCCbCMessage_t ValidateOuter(const char* szValue);
    // GIR argument: rows go to CLCValidResultGIR under the file name.
    virtual CLCCbCMessage_t ValidateParamGIR(const char* szFileName, const char* szValue, long lLine, long lColumn);
    virtual CLCCbCMessage_t ValidateOuterParamGIR(const char* szValue);
    // GIR tree node: the rule's column is the CSV column 1 to 6 of the node;
    // rows carry the node's file and line and the column unchanged.
    virtual CLCCbCMessage_t ValidateCsv(CLCGIRContainer* pContainer);
    virtual CLCCbCMessage_t ValidateOuter(CLCGIRContainer* pContainer);

    // Takes ownership of the outer rule (null is ignored).
    void AddOuterItem(CLCCbCValidItem* pOuter);
    void SetAssistColNum(long lAssist) { m_lAssistColNum = lAssist; }
    long GetAssistColNum() const { return m_lAssistColNum; }

    // A new rule of the kind named by szType (keywords compared exactly), owned
    // by the caller. Null after recording the fatal row on CLCValidResult, for a
    // null argument or an unknown keyword. szMin must be non-null; no kind uses it.
    static CLCCbCValidItem* CreateItem(long lColumn, const char* szType, const char* szValue,
                                       const char* szMin, const char* szMax, CLCCbCMessage_t message);

    // A decimal number read like atol (leading blanks, sign, digits; anything
    // else 0), saturating instead of overflowing.
    static long long DecimalValue(const char* szText);

    // Judges one value (null = no value) and records nothing. The base answers
    // HE60000E; each kind overrides it.
    virtual CLCCbCMessage_t _validate(const char* szValue);

protected:
    // Helpers of the kinds.
    // Words of a list separated by runs of spaces (leading and trailing ignored).
    static std::vector<std::string> SplitWords(const std::string& strList);
    // Parts of a value cut at every "/", empty parts dropped.
    static std::vector<std::string> SplitSlashParts(const std::string& strValue);
    // Logs "想定しないエラーが発生しました。" for the kind and answers HE60000E.
    static CLCCbCMessage_t LogFatal(const char* szFile, int nLine, const char* szFunction);
    // Runs a judgement; any exception is logged for the kind and answers HE60000E.
    template <typename Fn>
    static CLCCbCMessage_t Guarded(const char* szFile, int nLine, const char* szFunction, Fn fnJudge)
    {
        try {
            return fnJudge();
        } catch (const std::bad_alloc&) {
            return LogFailure(szFile, nLine, szFunction, true);
        } catch (...) {
            return LogFailure(szFile, nLine, szFunction, false);
        }
    }

private:
    static CLCCbCMessage_t LogFailure(const char* szFile, int nLine, const char* szFunction, bool bNoMemory);

    enum class EPath { Cbc, Gir };
    // Logs "想定しないエラーが発生しました。" under szFunction, records the
    // path's fatal row and answers HE60000E.
    static CLCCbCMessage_t Fatal(EPath path, const char* szFunction);
    // Runs a check; anything it throws ends in Fatal.
    template <typename FnCheck>
    static CLCCbCMessage_t GuardPath(EPath path, const char* szFunction, FnCheck fnCheck);
    // Runs the outer rules in order: nothing when all pass, else the rule's
    // answer: HE60000E after recording the fatal row, or none when a failing
    // outer rule switches the rule off.
    template <typename FnOuter>
    std::optional<CLCCbCMessage_t> RunOuter(EPath path, FnOuter fnOuter);
    // Judges the value; a failure's row is recorded by fnRecord(message), a
    // fatal answer records the path's fatal row.
    template <typename FnRecord>
    CLCCbCMessage_t JudgeValue(EPath path, const char* szValue, FnRecord fnRecord);

    long long m_lColumn;
    long long m_lAssistColNum = 0;
    std::vector<std::unique_ptr<CLCCbCValidItem>> m_vecOuterItems;
};
