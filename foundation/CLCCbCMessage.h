#pragma once
#include <cstdint>

// Internal message numbers. Outside the component a message is known only by
// its code and text (CbCMsgTable); these numbers never leave the process.
enum CLCCbCMessage_t : uint32_t {
    CBC_MSG_NONE = 0,
    HE60000E = 1,  HE60001E, HE60002E, HE60003E, HE60004E, HE60005E, HE60006E,
    HE60007E, HE60008E, HE60009E, HE60010E, HE60011E, HE60012E, HE60013E,
    HE60014E, HE60015E, HE60016E, HE60017E, HE60018E, HE60019E, HE60020E,
    HE60021E, HE60022E, HE60023E, HE60024E, HE60025E, HE60026E, HE60027E,
    HE60028E, HE60029E, HE60030E, HE60031E, HE60032E, HE60033E, HE60034E,
    HE60035E, HE60036E, HE60037E, HE60038E, HE60039E,          // 40
    HE00155E = 41,
    HE60040E = 42, HE60041E, HE60042E, HE60043E, HE60044E, HE60045E, HE60046E,
    HE60047E, HE60048E, HE60049E, HE60050E, HE60051E, HE60052E, HE60053E,
    HE60054E, HE60055E, HE60056E, HE60057E, HE60058E, HE60059E, HE60060E,
    HE60061E, HE60062E, HE60063E, HE60064E                      // 66
};
static_assert(HE60039E == 40 && HE60064E == 66, "catalogue numbering");

// HE60000E's text, which is also what the log says of a failure nobody expected.
inline constexpr char kUnexpectedError[] = "想定しないエラーが発生しました。";

struct CLCCbCMsgTable_t {
    CLCCbCMessage_t value;
    const char* code;
    const char* text;
};

constexpr int kCbCMsgTableRows = 68;
// The catalogue, in its fixed order; lookups take the first row that matches.
extern const CLCCbCMsgTable_t CbCMsgTable[kCbCMsgTableRows];
