#include "foundation/CLCUtf8.h"

size_t CLCUtf8::Decode(const unsigned char* p, size_t nLeft, char32_t& cPoint)
{
    const unsigned char c = p[0];
    if (c < 0x80) {
        cPoint = c;
        return 1;
    }
    size_t nLen;
    char32_t cMin;
    if ((c & 0xE0) == 0xC0) {
        nLen = 2; cPoint = c & 0x1F; cMin = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        nLen = 3; cPoint = c & 0x0F; cMin = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        nLen = 4; cPoint = c & 0x07; cMin = 0x10000;
    } else {
        return 0;
    }
    if (nLeft < nLen)
        return 0;
    for (size_t i = 1; i < nLen; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cPoint = (cPoint << 6) | (p[i] & 0x3F);
    }
    if (cPoint < cMin || cPoint > 0x10FFFF || (cPoint >= 0xD800 && cPoint <= 0xDFFF))
        return 0;
    return nLen;
}
