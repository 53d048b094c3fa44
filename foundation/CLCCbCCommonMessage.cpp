#include "foundation/CLCCbCCommon.h"

#include <string_view>
#include <unordered_map>

namespace {

// First row with the value, or null. Every lookup scans from the top so that the
// repeated row never shadows the first.
const CLCCbCMsgTable_t* FindRow(CLCCbCMessage_t msg)
{
    for (const CLCCbCMsgTable_t& row : CbCMsgTable) {
        if (row.value == msg)
            return &row;
    }
    return nullptr;
}

} // namespace

CLCCbCMessage_t CLCCbCCommon::ConvMsgStr2Enum(const std::string& strCode)
{
    if (strCode.empty())
        return CBC_MSG_NONE;
    // Asked once for every rule made from a definition row: a map, the first
    // row of a code kept.
    static const std::unordered_map<std::string_view, CLCCbCMessage_t> s_mapCodes = [] {
        std::unordered_map<std::string_view, CLCCbCMessage_t> mapCodes;
        for (const CLCCbCMsgTable_t& row : CbCMsgTable)
            mapCodes.emplace(row.code, row.value);
        return mapCodes;
    }();
    const auto it = s_mapCodes.find(strCode);
    return it != s_mapCodes.end() ? it->second : CBC_MSG_NONE;
}

std::string CLCCbCCommon::ConvEnID2Msg(CLCCbCMessage_t msg)
{
    const CLCCbCMsgTable_t* pRow = FindRow(msg);
    return pRow ? pRow->text : "";
}

std::string CLCCbCCommon::ConvEnMsg2strMsg(CLCCbCMessage_t msg)
{
    return ConvEnID2Msg(msg);
}

std::string CLCCbCCommon::ConvEnID2Code(CLCCbCMessage_t msg)
{
    const CLCCbCMsgTable_t* pRow = FindRow(msg);
    return pRow ? pRow->code : "";
}
