#include "cbc/CLCCbCValidCsvContain.h"
#include <algorithm>

CLCCbCValidCsvContain::CLCCbCValidCsvContain(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidCsvContain::SetParam(const char* szValue)
{
    m_strParam = szValue != nullptr ? szValue : "";
}

CLCCbCMessage_t CLCCbCValidCsvContain::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidCsvContain::_validate", [&]() {
        std::vector<std::string> vecWords = SplitWords(m_strParam);
        if (vecWords.empty())
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidCsvContain::_validate");
        if (szValue == nullptr)
            return HE60009E;
        std::vector<std::string> vecParts = SplitSlashParts(szValue);
        for (const std::string& strWord : vecWords) {
            if (std::find(vecParts.begin(), vecParts.end(), strWord) == vecParts.end())
                return HE60009E;
        }
        return CBC_MSG_NONE;
    });
}
