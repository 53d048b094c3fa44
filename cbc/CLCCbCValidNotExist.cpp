#include "cbc/CLCCbCValidNotExist.h"

CLCCbCValidNotExist::CLCCbCValidNotExist(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message), m_message(message)
{
}

CLCCbCMessage_t CLCCbCValidNotExist::_validate(const char* szValue)
{
    if (szValue == nullptr || *szValue == '\0')
        return CBC_MSG_NONE;
    return m_message != CBC_MSG_NONE ? m_message : HE60002E;
}
