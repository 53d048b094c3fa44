#include "gir/CLCGIRElementListManager.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRDefinitionText.h"

bool CLCGIRElementListManager::CreateGIRElementList(unsigned short usId)
{
    static constexpr const char* kFunction = "CLCGIRElementListManager::CreateGIRElementList";
    try {
        if (usId == 0) {
            CLC_LOG(kFunction, "引数エラー。定義読込みに必要な情報が準備されていません。");
            return false;
        }
        m_setElementNames.clear();
        std::string strText;
        if (!CLCGIRDefinitionText::Read(usId, kFunction, strText))
            return false;

        // A line ends at LF (the last one may not); a CR before the LF belongs to
        // the line end, so lists saved with CR LF give the same names.
        std::string::size_type pos = strText.find('\n');
        while (pos != std::string::npos && pos + 1 < strText.size()) {
            const std::string::size_type begin = pos + 1;
            pos = strText.find('\n', begin);
            const std::string::size_type end = pos == std::string::npos ? strText.size() : pos;
            std::string strName = strText.substr(begin, end - begin);
            if (!strName.empty() && strName.back() == '\r')
                strName.pop_back();
            m_setElementNames.insert(std::move(strName));
        }
        return true;
    } catch (...) {
        CLCValidResultGIR::instance()->SetFatalError();
        CLC_LOG(kFunction, kUnexpectedError);
        return false;
    }
}

bool CLCGIRElementListManager::SearchElementList(const std::string& strName) const
{
    if (strName.empty()) {
        CLC_LOG("CLCGIRElementListManager::SearchElementList", "検索文字列が設定されていません。");
        return false;
    }
    return m_setElementNames.count(strName) != 0;
}
