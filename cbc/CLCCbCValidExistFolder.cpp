#include "cbc/CLCCbCValidExistFolder.h"
#include "foundation/CLCCbCCommon.h"

CLCCbCValidExistFolder::CLCCbCValidExistFolder(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message), m_message(message)
{
}

CLCCbCMessage_t CLCCbCValidExistFolder::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidExistFolder::_validate", [&]() {
        if (szValue == nullptr || *szValue == '\0')
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidExistFolder::_validate");
        if (CLCCbCCommon::PathDirectoryExistsNoEdit(szValue))
            return CBC_MSG_NONE;
        return m_message != CBC_MSG_NONE ? m_message : HE60040E;
    });
}
