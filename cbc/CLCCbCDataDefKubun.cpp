#include "cbc/CLCCbCDataDefKubun.h"

std::string CLCCbCDataDefKubun::WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                          Pattern pPattern)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefKubun::WriteNode", pOk);
        if (m_lRepeat != 0 && m_lCounter == m_lRepeat)
            return std::string();
        ++m_lCounter;
        // Under a pattern the three section flags say which report this is,
        // whatever else the record is filed under.
        const char* szFixed = nullptr;
        if (pPattern != nullptr && m_lColumn >= 0 && m_lColumn <= 2)
            szFixed = pPattern[m_lColumn];
        return WriteAppendixElement(pSection, lRecord, pOk, pPattern, "kubun_CD", szFixed);
    } catch (...) {
        return FailWrite("CLCCbCDataDefKubun::WriteNode", pOk);
    }
}
