#pragma once
#include "cbc/CLCValidTable.h"
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <vector>

class CLCCbCValidItem;

// The argument check of the GIR operations: the rules of one argument kind (4
// output folder, 6 corporate number, 8 CSV folder) applied to one value, rows
// filed under "その他". Base of the CSV-structure check, whose rule list stays
// empty. The validator owns its rules.
class CLCGIRValidator {
public:
    CLCGIRValidator();
    virtual ~CLCGIRValidator();
    CLCGIRValidator(const CLCGIRValidator&) = delete;
    CLCGIRValidator& operator=(const CLCGIRValidator&) = delete;

    // Rules of the kind's table; any other kind, or a rule that cannot be
    // made, records the fatal row and answers false.
    bool InitializeParam(CLCArgValid_t kind);
    // The first rule that does not pass answers (its row is recorded under
    // "その他" with the line and column given; HE60000E after the fatal row).
    CLCCbCMessage_t ValidateParam(const char* szValue, long lLine, long lColumn);
    void Clear();

    // The rules in order through their GIR argument check under the file name;
    // the first answer that is not none.
    static CLCCbCMessage_t ValidateRules(const std::vector<std::unique_ptr<CLCCbCValidItem>>& vecRules,
                                         const char* szFileName, const char* szValue, long lLine, long lColumn);

private:
    std::vector<std::unique_ptr<CLCCbCValidItem>> m_vecItems;
};
