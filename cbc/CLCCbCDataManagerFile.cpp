// The file services of CLCCbCDataManager: reading an XML or CSV file for the
// host, writing CSV text, a file as Base64, choosing and listing a folder.
#include "cbc/CLCCbCDataManager.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/xml/CLCXSax.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string_view>
#include <vector>

namespace {

// 0x1300000 bytes (19 MiB): the largest CSV file the host may read.
constexpr long kMaxCsvBytes = 0x1300000;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void RecordFatal(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResult::instance()->SetFatalError();
}

// Reports a file-level error as the only row of the answer.
void ReportAlone(CLCCbCMessage_t msg)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    pResult->ClearResult();
    pResult->SetResult(msg, 0, 0, -1);
}

// The file's bytes as they are: the XML reader judges them itself, so a file
// in another encoding must reach the byte check rather than fail to decode.
bool ReadBytes(const std::string& strPath, std::string& strBytes)
{
    std::ifstream file(std::filesystem::u8path(strPath), std::ios::binary);
    if (!file)
        return false;
    strBytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool IsPlainXmlByte(unsigned char ch)
{
    return ch == 0x09 || ch == 0x0A || ch == 0x0D || (ch >= 0x20 && ch <= 0x7E);
}

} // namespace

bool CLCCbCDataManager::ReadXMLFile(long lLimitSize, std::string& strText)
{
    static constexpr const char* kFunction = "CLCCbCDataManager::ReadXMLFile";
    return Guarded(kFunction, [&] {
        const long lSize = CLCCbCCommon::GetFileSize(m_strXmlPath.c_str());
        if (lSize == -1) {
            RecordFatal(kFunction, "ファイルサイズの取得に失敗しました。");
            return false;
        }
        if (lLimitSize != -1 && lSize > lLimitSize) {
            CLCValidResult::instance()->SetResult(HE60035E, 0, 0, -1);
            return false;
        }
        std::string strData;
        if (!ReadBytes(m_strXmlPath, strData) || strData.empty()) {
            RecordFatal(kFunction, "ファイルの読み込みに失敗しました。");
            return false;
        }
        if (std::string_view(strData).substr(0, kUtf8Bom.size()) == kUtf8Bom)
            strData.erase(0, kUtf8Bom.size());
        if (!std::all_of(strData.begin(), strData.end(),
                         [](char ch) { return IsPlainXmlByte(static_cast<unsigned char>(ch)); })) {
            ReportAlone(HE60011E);
            return false;
        }
        CLCXSax reader;
        if (!reader.Initialize2())
            return false;
        const bool bWellFormed = reader.Parse(strData.c_str(), "CbC", "UTF-8");
        reader.Terminate();
        if (!bWellFormed) {
            ReportAlone(HE00155E);
            return false;
        }
        strText = std::move(strData);
        return true;
    });
}

bool CLCCbCDataManager::ReadCSVFile(std::string& strText, std::string& strSize)
{
    static constexpr const char* kFunction = "CLCCbCDataManager::ReadCSVFile";
    return Guarded(kFunction, [&] {
        const long lSize = CLCCbCCommon::GetFileSize(m_strCsvPath.c_str());
        if (lSize == -1) {
            RecordFatal(kFunction, "ファイルサイズの取得に失敗しました。");
            return false;
        }
        if (lSize > kMaxCsvBytes) {
            CLCValidResult::instance()->SetResult(HE60035E, 0, 0, -1);
            return false;
        }
        const std::string strData = CLCCbCCommon::ReadCsvFileData(m_strCsvPath.c_str());
        if (strData.empty()) {
            // A readable file with content that does not decode holds bytes
            // that are not Shift_JIS: the user's data, not our failure.
            if (lSize > 0 && CLCCbCCommon::PathFileIsRead(m_strCsvPath.c_str())) {
                CLCValidResult::instance()->SetResult(HE60011E, 0, 0, -1);
                return false;
            }
            RecordFatal(kFunction, "ファイルの読み込みに失敗しました。");
            return false;
        }
        std::string strEscaped;
        CLCCbCCommon::ConvEntityRefs(strData.data(), strData.size(), strEscaped);
        strSize = std::to_string(strEscaped.size());
        strText = std::move(strEscaped);
        return true;
    });
}

bool CLCCbCDataManager::WriteFileData(const char* szText)
{
    static constexpr const char* kFunction = "CLCCbCDataManager::WriteFileData";
    return Guarded(kFunction, [&] {
        // No text (the host could not convert it) must not empty the file.
        if (szText == nullptr) {
            RecordFatal(kFunction, kUnexpectedError);
            return false;
        }
        if (!CLCCbCCommon::PathDirectoryExists(m_strCsvPath.c_str())) {
            CLC_LOG(kFunction, "フォルダが存在しません。");
            CLCValidResult::instance()->SetResult(HE60040E, 0, 0, -1);
            return false;
        }
        if (!CLCCbCCommon::writeSJISFile(m_strCsvPath.c_str(), szText, false)) {
            const std::string strLog = "ファイル書き込みに失敗しました。\n(" + m_strCsvPath + ")";
            CLC_LOG(kFunction, strLog.c_str());
            CLCValidResult::instance()->SetResult(HE60020E, 0, 0, -1);
            return false;
        }
        return true;
    });
}

bool CLCCbCDataManager::EncodeBase64(std::string& strText)
{
    static constexpr const char* kFunction = "CLCCbCDataManager::EncodeBase64";
    return Guarded(kFunction, [&] {
        std::string strEncoded;
        if (!CLCBase64Data::Base64Encode(m_strFilePath.c_str(), strEncoded)) {
            RecordFatal(kFunction, "Base64Encode失敗");
            return false;
        }
        strText = std::move(strEncoded);
        return true;
    });
}

bool CLCCbCDataManager::GetFolderPath(const char* szInitialFolder, std::string& strPath)
{
    static constexpr const char* kFunction = "CLCCbCDataManager::GetFolderPath";
    return Guarded(kFunction, [&] {
        // No preparation step runs before this one: start from a clean collector.
        CLCValidResult::instance()->ClearResult();
        std::string strChosen;
        if (!CLCCbCCommon::getFolderPath(szInitialFolder != nullptr ? szInitialFolder : "", strChosen)) {
            CLC_LOG(kFunction, "getFolderPath関数処理失敗");
            CLCValidResult::instance()->SetResult(HE60041E, 0, 0, -1);
            return false;
        }
        if (!strChosen.empty())
            strPath = std::move(strChosen);
        return true;
    });
}

bool CLCCbCDataManager::GetFileName(const char* szFolder, std::string& strNames)
{
    static constexpr const char* kFunction = "CLCCbCDataManager::GetFileName";
    return Guarded(kFunction, [&] {
        const std::string strFolder = CLCCbCCommon::StringTrim(szFolder);
        std::vector<std::vector<std::string>> vecRows;
        if (!CLCCbCCommon::getFolderFilelist(strFolder, vecRows)) {
            CLC_LOG(kFunction, "ファイル検索失敗。");
            CLCValidResult::instance()->SetResult(HE60041E, 0, 0, -1);
            return false;
        }
        std::vector<std::string> vecNames;
        for (const std::vector<std::string>& row : vecRows) {
            if (row.size() == 2 && row[1] == "2")
                vecNames.push_back(row[0]);
        }
        std::sort(vecNames.begin(), vecNames.end());
        std::string strJoined;
        for (const std::string& strName : vecNames) {
            if (!strJoined.empty())
                strJoined += '/';
            strJoined += strName;
        }
        strNames = std::move(strJoined);
        return true;
    });
}
