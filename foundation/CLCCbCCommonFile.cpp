// File and folder wrappers of CLCCbCCommon over the platform layer.
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"

bool CLCCbCCommon::getFolderFilelist(const std::string& strFolder, std::vector<std::vector<std::string>>& vecRows)
{
    std::vector<std::vector<std::string>> vecListed;
    if (!CLCMacOSNative::getFilesUnderFolder(strFolder, vecListed))
        return false;
    vecRows.swap(vecListed);
    return true;
}

long CLCCbCCommon::GetFileSize(const char* szPath)
{
    return CLCMacOSNative::getFileSize(szPath);
}

uint64_t CLCCbCCommon::GetFileSizeULL(const char* szPath)
{
    return CLCMacOSNative::getFileSizeULL(szPath);
}

std::string CLCCbCCommon::ReadFileData(const char* szPath)
{
    return CLCMacOSNative::readFile(szPath);
}

std::string CLCCbCCommon::ReadCsvFileData(const char* szPath)
{
    return CLCMacOSNative::readFileSJIS(szPath);
}

bool CLCCbCCommon::PathFileExists(const char* szPath)
{
    return CLCMacOSNative::pathFileExists(szPath);
}

bool CLCCbCCommon::PathFileIsRead(const char* szPath)
{
    return CLCMacOSNative::pathFileIsRead(szPath);
}

bool CLCCbCCommon::PathDirectoryExists(const char* szPath)
{
    return CLCMacOSNative::pathDirectoryExists(szPath);
}

bool CLCCbCCommon::PathDirectoryExistsNoEdit(const char* szPath)
{
    return CLCMacOSNative::pathDirectoryExistsNoEdit(szPath);
}

bool CLCCbCCommon::WriteFileData(const char* szPath, std::string& strText, const std::function<bool()>& fnMayReplace)
{
    return CLCMacOSNative::writeFile(szPath, strText, fnMayReplace);
}

bool CLCCbCCommon::writeSJISFile(const char* szPath, const char* szText, bool bTextIsUtf8)
{
    return CLCMacOSNative::writeSJISFile(szPath, szText, bTextIsUtf8);
}

const char* CLCCbCCommon::getHomeDirectory()
{
    return CLCMacOSNative::homeDirectory();
}

bool CLCCbCCommon::getFolderPath(const char* szInitialFolder, std::string& strChosen)
{
    return CLCMacOSNative::getFolderPath(szInitialFolder, strChosen);
}
