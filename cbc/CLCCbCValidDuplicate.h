#pragma once
#include "cbc/CLCCbCValidItem.h"

// "duplicate": no two "/"-separated parts (empty parts dropped) may be equal (HE60009E).
class CLCCbCValidDuplicate : public CLCCbCValidItem {
public:
    CLCCbCValidDuplicate(long lColumn, CLCCbCMessage_t message);
    CLCCbCMessage_t _validate(const char* szValue) override;
};
