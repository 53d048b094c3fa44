#include "cbc/CLCCbCDataDefSplit.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include <new>

std::string CLCCbCDataDefSplit::WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefSplit::WriteNode2", pOk);
        const std::string strChildren = WriteChildren2(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();
        const std::string strValue = MakeNodeValue2(pSection, lRecord, pOk);
        if (!*pOk || strValue.empty())
            return std::string();

        // The value is already escaped; entity references hold no "/".
        const std::string strName = "cbc:" + m_strId;
        std::string strText;
        size_t nStart = 0;
        while (nStart <= strValue.size()) {
            size_t nEnd = strValue.find('/', nStart);
            if (nEnd == std::string::npos)
                nEnd = strValue.size();
            if (nEnd > nStart) {
                const std::string_view part(strValue.data() + nStart, nEnd - nStart);
                strText += Concat({"<", strName, ">", part, strChildren, "</", strName, ">"});
            }
            nStart = nEnd + 1;
        }
        return strText;
    } catch (const std::bad_alloc&) {
        CLC_LOG("CLCCbCDataDefSplit::WriteNode2", "メモリ確保に失敗しました。");
        CLCValidResult::instance()->SetFatalError();
        if (pOk != nullptr)
            *pOk = false;
        return std::string();
    } catch (...) {
        return FailWrite("CLCCbCDataDefSplit::WriteNode2", pOk);
    }
}
