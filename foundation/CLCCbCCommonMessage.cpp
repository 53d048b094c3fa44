#include "foundation/CLCCbCCommon.h"

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
    for (const CLCCbCMsgTable_t& row : CbCMsgTable) {
        if (strCode == row.code)
            return row.value;
    }
    return CBC_MSG_NONE;
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
