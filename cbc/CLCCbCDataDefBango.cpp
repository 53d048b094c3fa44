#include "cbc/CLCCbCDataDefBango.h"

std::string CLCCbCDataDefBango::WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                          Pattern pPattern)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefBango::WriteNode", pOk);
        return WriteAppendixElement(pSection, lRecord, pOk, pPattern, "gen:hojinbango");
    } catch (...) {
        return FailWrite("CLCCbCDataDefBango::WriteNode", pOk);
    }
}
