#include "cbc/CLCCbCDataDefSplit.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include <new>
#include <string_view>

void CLCCbCDataDefSplit::AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefSplit::WriteNode2", pOk);
            return;
        }
        // Every part repeats the children, so they are written aside once.
        std::string strChildren;
        WriteChildren2(pSection, lRecord, pOk, strChildren);
        if (!*pOk)
            return;
        std::string strValue;
        if (!MakeNodeValue2(pSection, lRecord, pOk, strValue) || strValue.empty())
            return;

        // The value is already escaped; entity references hold no "/".
        if (m_strCloseTag.empty()) {
            m_strOpenTag = Concat({"<cbc:", m_strId, ">"});
            m_strCloseTag = Concat({"</cbc:", m_strId, ">"});
        }
        size_t nStart = 0;
        while (nStart <= strValue.size()) {
            size_t nEnd = strValue.find('/', nStart);
            if (nEnd == std::string::npos)
                nEnd = strValue.size();
            if (nEnd > nStart) {
                strOut.append(m_strOpenTag)
                    .append(std::string_view(strValue).substr(nStart, nEnd - nStart))
                    .append(strChildren)
                    .append(m_strCloseTag);
            }
            nStart = nEnd + 1;
        }
    } catch (const std::bad_alloc&) {
        strOut.resize(nMark);
        CLC_LOG("CLCCbCDataDefSplit::WriteNode2", "メモリ確保に失敗しました。");
        CLCValidResult::instance()->SetFatalError();
        if (pOk != nullptr)
            *pOk = false;
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefSplit::WriteNode2", pOk);
    }
}
