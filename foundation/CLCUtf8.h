#pragma once
#include <cstddef>

// The core's one strict UTF-8 decoder: no overlong forms, no surrogates,
// nothing above U+10FFFF.
class CLCUtf8 {
public:
    // The length (1 to 4) of the sequence at p, which has nLeft > 0 bytes, and
    // its code point; 0 when the bytes do not start a valid sequence.
    static size_t Decode(const unsigned char* p, size_t nLeft, char32_t& cPoint);
};
