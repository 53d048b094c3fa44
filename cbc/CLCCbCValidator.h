#pragma once
#include "cbc/CLCValidTable.h"
#include "foundation/CLCCbCMessage.h"
#include <cstddef>
#include <memory>
#include <vector>

class CLCCbCCsvFile;
class CLCCbCValidItem;
class CLCXDom;

// An ordered list of rules applied to one argument value or to one column of
// every CSV record; only the first rule that does not pass reports. The
// validator owns its rules.
class CLCCbCValidator {
public:
    CLCCbCValidator();
    virtual ~CLCCbCValidator();

    CLCCbCValidator(const CLCCbCValidator&) = delete;
    CLCCbCValidator& operator=(const CLCCbCValidator&) = delete;

    // Rules of the argument kind's table. Kind 8 and kinds outside 1 to 11
    // record the fatal row; false whenever the fatal row is recorded.
    bool Initialize(CLCArgValid_t kind);
    // Rules of the "valid" children of the DOM's current "item" element, whose
    // 0-based CSV column is lColumn. The cursor is back on the item when the
    // answer is true; false after recording the fatal row.
    bool Initialize(long lColumn, CLCXDom* pDom);
    // Adds the "outer" children of the DOM's current "valid" element to the
    // rule; an outer element without a column of at least 1 is ignored.
    bool SetUpOuter(CLCXDom* pDom, CLCCbCValidItem* pRule);

    // Argument value (the data manager passes line 9999 and the argument's
    // 1-based position). First result that is not none.
    CLCCbCMessage_t Validate(const char* szValue, long lLine, long lColumn);
    // One CSV record (0-based index). First result that is not none.
    CLCCbCMessage_t ValidateCsv(CLCCbCCsvFile* pCsv, long lRecord, long lIgnored);
    void Clear();

    // Appends one rule per table row, with its outer rule, to vecItems. False
    // when a rule cannot be made (CreateItem has recorded the fatal row); the
    // rules made so far stay. Allocation failures are thrown.
    static bool AppendTableRules(const CLCValidTable_t* pRows, size_t nRows,
                                 std::vector<std::unique_ptr<CLCCbCValidItem>>& vecItems);

private:
    std::vector<std::unique_ptr<CLCCbCValidItem>> m_vecItems;
};
