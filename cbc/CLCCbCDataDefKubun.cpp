#include "cbc/CLCCbCDataDefKubun.h"

void CLCCbCDataDefKubun::AppendNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                                    std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefKubun::WriteNode", pOk);
            return;
        }
        if (m_lRepeat != 0 && m_lCounter == m_lRepeat)
            return;
        ++m_lCounter;
        // Under a pattern the three section flags say which report this is,
        // whatever else the record is filed under.
        const char* szFixed = nullptr;
        if (pPattern != nullptr && m_lColumn >= 0 && m_lColumn <= 2)
            szFixed = pPattern[m_lColumn];
        WriteAppendixElement(pSection, lRecord, pOk, pPattern, "kubun_CD", szFixed, strOut);
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefKubun::WriteNode", pOk);
    }
}
