#include "cbc/CLCCbCValidExistpath.h"
#include "foundation/CLCCbCCommon.h"
#include <filesystem>

namespace {
// The folder that would hold the file. A bare name has no folder part: it
// names a file in the working folder, as it does for every program.
bool FolderOfPathExists(const char* szPath)
{
    if (CLCCbCCommon::PathDirectoryExists(szPath))
        return true;
    return !std::filesystem::path(szPath).has_parent_path() && CLCCbCCommon::PathDirectoryExistsNoEdit(".");
}
} // namespace

CLCCbCValidExistpath::CLCCbCValidExistpath(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidExistpath::SetParam(const char* szValue)
{
    m_strParam = szValue != nullptr ? szValue : "";
}

CLCCbCMessage_t CLCCbCValidExistpath::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidExistpath::_validate", [&]() {
        if (szValue == nullptr || *szValue == '\0')
            return CBC_MSG_NONE;
        if (m_strParam == "file") {
            if (!CLCCbCCommon::PathFileExists(szValue))
                return HE60004E;
            if (!CLCCbCCommon::PathFileIsRead(szValue))
                return HE60006E;
            if (CLCCbCCommon::GetFileSize(szValue) < 1)
                return HE60005E;
            return CBC_MSG_NONE;
        }
        if (m_strParam == "dir")
            return FolderOfPathExists(szValue) ? CBC_MSG_NONE : HE60019E;
        return LogFatal(__FILE__, __LINE__, "CLCCbCValidExistpath::_validate");
    });
}
