#include "cbc/CLCCbCValidNumber.h"

CLCCbCValidNumber::CLCCbCValidNumber(long lColumn, CLCCbCMessage_t message) : CLCCbCValidItem(lColumn, message)
{
}

CLCCbCMessage_t CLCCbCValidNumber::_validate(const char* szValue)
{
    if (szValue == nullptr)
        return CBC_MSG_NONE;
    for (const char* p = szValue; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9')
            return HE60008E;
    }
    return CBC_MSG_NONE;
}
