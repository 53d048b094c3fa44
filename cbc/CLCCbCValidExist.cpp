#include "cbc/CLCCbCValidExist.h"

CLCCbCValidExist::CLCCbCValidExist(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message), m_message(message)
{
}

CLCCbCMessage_t CLCCbCValidExist::_validate(const char* szValue)
{
    if (szValue == nullptr || *szValue == '\0')
        return m_message != CBC_MSG_NONE ? m_message : HE60001E;
    return CBC_MSG_NONE;
}
