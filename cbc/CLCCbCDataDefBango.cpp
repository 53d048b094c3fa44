#include "cbc/CLCCbCDataDefBango.h"

void CLCCbCDataDefBango::AppendNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                                    std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefBango::WriteNode", pOk);
            return;
        }
        WriteAppendixElement(pSection, lRecord, pOk, pPattern, "gen:hojinbango", nullptr, strOut);
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefBango::WriteNode", pOk);
    }
}
