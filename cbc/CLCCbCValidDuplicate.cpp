#include "cbc/CLCCbCValidDuplicate.h"
#include <set>

CLCCbCValidDuplicate::CLCCbCValidDuplicate(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

CLCCbCMessage_t CLCCbCValidDuplicate::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidDuplicate::_validate", [&]() {
        if (szValue == nullptr)
            return CBC_MSG_NONE;
        std::set<std::string> setSeen;
        for (std::string& strPart : SplitSlashParts(szValue)) {
            if (!setSeen.insert(std::move(strPart)).second)
                return HE60009E;
        }
        return CBC_MSG_NONE;
    });
}
