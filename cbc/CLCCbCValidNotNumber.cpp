#include "cbc/CLCCbCValidNotNumber.h"

CLCCbCValidNotNumber::CLCCbCValidNotNumber(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

CLCCbCMessage_t CLCCbCValidNotNumber::_validate(const char* szValue)
{
    if (szValue == nullptr)
        return CBC_MSG_NONE;
    if (*szValue == '\0')
        return HE60009E;
    for (const char* p = szValue; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9')
            return CBC_MSG_NONE;
    }
    return HE60009E;
}
