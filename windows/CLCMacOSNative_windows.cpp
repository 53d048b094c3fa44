// Files, folders and the user's environment on Win32: UTF-8 in, the W
// functions underneath.
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/platform/CLCPlatformSystem.h"
#include "windows/CLCWinText.h"
#include <windows.h>
#include <atomic>
#include <climits>
#include <mutex>
#include <set>
#include <string>

namespace {

using CLCWinText::Wide;

template <typename Char>
bool IsSeparator(Char ch)
{
    return ch == Char('\\') || ch == Char('/');
}

// Attributes of the item at the path; false when there is none. Wide answers
// "" for a null, empty or unconvertible path, which names nothing.
bool Attributes(const char* szPath, WIN32_FILE_ATTRIBUTE_DATA& data)
{
    const std::wstring wstrPath = Wide(szPath);
    return !wstrPath.empty() && GetFileAttributesExW(wstrPath.c_str(), GetFileExInfoStandard, &data) != 0;
}

bool IsFolder(const std::wstring& wstrPath)
{
    const DWORD dwAttributes = GetFileAttributesW(wstrPath.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Length of the root that no parent lies above: "C:\", "C:", "\", or
// "\\server\share\" (0 for a relative path).
template <typename String>
size_t RootLength(const String& str)
{
    if (str.size() >= 2 && str[1] == ':')
        return str.size() >= 3 && IsSeparator(str[2]) ? 3 : 2;
    if (str.size() >= 2 && IsSeparator(str[0]) && IsSeparator(str[1])) {
        size_t nSeparators = 0;
        for (size_t i = 2; i < str.size(); ++i) {
            if (IsSeparator(str[i]) && ++nSeparators == 2)
                return i + 1;
        }
        return str.size();
    }
    return !str.empty() && IsSeparator(str[0]) ? 1 : 0;
}

// Drops the separators that end the path, never those of its root.
template <typename String>
void TrimTrailingSeparators(String& str, size_t nRoot)
{
    while (str.size() > nRoot && IsSeparator(str.back()))
        str.pop_back();
}

// The path without its last component, as a path library removes it: trailing
// separators are ignored, "C:\x" gives "C:\", a bare name gives "".
std::wstring ParentOf(std::wstring wstrPath)
{
    const size_t nRoot = RootLength(wstrPath);
    TrimTrailingSeparators(wstrPath, nRoot);
    if (wstrPath.size() <= nRoot)
        return std::wstring();
    const size_t nSeparator = wstrPath.find_last_of(L"\\/");
    if (nSeparator == std::wstring::npos || nSeparator < nRoot)
        return wstrPath.substr(0, nRoot);
    wstrPath.resize(nSeparator);
    TrimTrailingSeparators(wstrPath, nRoot);
    return wstrPath;
}

class CHandle {
public:
    explicit CHandle(HANDLE h) : m_h(h) {}
    ~CHandle()
    {
        if (IsOpen())
            CloseHandle(m_h);
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    bool IsOpen() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    HANDLE Get() const { return m_h; }
    bool Close()
    {
        const bool bOk = CloseHandle(m_h) != 0;
        m_h = INVALID_HANDLE_VALUE;
        return bOk;
    }

private:
    HANDLE m_h;
};

bool WriteAll(HANDLE h, const std::string& strBytes)
{
    const char* p = strBytes.data();
    size_t nLeft = strBytes.size();
    while (nLeft > 0) {
        const DWORD dwChunk = nLeft > 0x40000000u ? 0x40000000u : static_cast<DWORD>(nLeft);
        DWORD dwWritten = 0;
        if (!WriteFile(h, p, dwChunk, &dwWritten, nullptr) || dwWritten == 0)
            return false;
        p += dwWritten;
        nLeft -= dwWritten;
    }
    return true;
}

// A fresh file beside the target; its name begins with "." so that no
// listing shows it while it exists.
HANDLE CreateTempBeside(const std::wstring& wstrTarget, std::wstring& wstrTemp)
{
    static std::atomic<unsigned> s_nCounter{0};
    std::wstring wstrFolder = ParentOf(wstrTarget);
    if (!wstrFolder.empty() && !IsSeparator(wstrFolder.back()) && wstrFolder.back() != L':')
        wstrFolder += L'\\';
    for (int nTry = 0; nTry < 16; ++nTry) {
        wstrTemp = wstrFolder + L".tesvant_tmp_" + std::to_wstring(GetCurrentProcessId()) + L"_"
                   + std::to_wstring(s_nCounter++) + L"_" + std::to_wstring(GetTickCount64());
        HANDLE h = CreateFileW(wstrTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return h;
    }
    return INVALID_HANDLE_VALUE;
}

// One remembered copy of every distinct answer, so that a pointer handed out
// earlier stays valid when the environment changes.
const char* Remembered(const std::string& str)
{
    static std::mutex mtx;
    static std::set<std::string> setTexts;
    std::lock_guard<std::mutex> lock(mtx);
    return setTexts.insert(str).first->c_str();
}

std::string Variable(const wchar_t* wszName)
{
    const DWORD dwSize = GetEnvironmentVariableW(wszName, nullptr, 0);
    if (dwSize == 0)
        return std::string();
    std::wstring wstr(dwSize, L'\0');
    const DWORD dwLength = GetEnvironmentVariableW(wszName, wstr.data(), dwSize);
    if (dwLength == 0 || dwLength >= dwSize)
        return std::string();
    wstr.resize(dwLength);
    return CLCWinText::Utf8(wstr.c_str());
}

} // namespace

const char* CLCMacOSNative::homeDirectory()
{
    std::string strHome = Variable(L"USERPROFILE");
    if (strHome.empty()) {
        const std::string strDrive = Variable(L"HOMEDRIVE");
        const std::string strPath = Variable(L"HOMEPATH");
        if (!strPath.empty())
            strHome = strDrive + strPath;
    }
    return Remembered(strHome);
}

std::string CLCMacOSNative::temporaryDirectory()
{
    std::wstring wstr(MAX_PATH + 1, L'\0');
    DWORD dwLength = GetTempPathW(static_cast<DWORD>(wstr.size()), wstr.data());
    if (dwLength > wstr.size()) {
        wstr.assign(dwLength, L'\0');
        dwLength = GetTempPathW(static_cast<DWORD>(wstr.size()), wstr.data());
    }
    if (dwLength == 0 || dwLength > wstr.size())
        return std::string();
    wstr.resize(dwLength);
    return CLCWinText::Utf8(wstr.c_str());
}

bool CLCMacOSNative::pathFileExists(const char* szPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return Attributes(szPath, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CLCMacOSNative::pathDirectoryExists(const char* szPath)
{
    const std::wstring wstrParent = ParentOf(Wide(szPath));
    return !wstrParent.empty() && IsFolder(wstrParent);
}

bool CLCMacOSNative::pathDirectoryExistsNoEdit(const char* szPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return Attributes(szPath, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CLCMacOSNative::pathFileIsRead(const char* szPath)
{
    const std::wstring wstrPath = Wide(szPath);
    if (wstrPath.empty())
        return false;
    // Backup semantics let a folder be opened too, as reading rights are asked elsewhere.
    CHandle file(CreateFileW(wstrPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.IsOpen();
}

long CLCMacOSNative::getFileSize(const char* szPath)
{
    const uint64_t ullSize = getFileSizeULL(szPath);
    if (ullSize == UINT64_MAX)
        return -1;
    // long has 32 bits here: a larger file is as large as a long can say, so
    // every limit still refuses it.
    return ullSize > static_cast<uint64_t>(LONG_MAX) ? LONG_MAX : static_cast<long>(ullSize);
}

uint64_t CLCMacOSNative::getFileSizeULL(const char* szPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!Attributes(szPath, data))
        return UINT64_MAX;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string CLCMacOSNative::appendFilePath(const char* szBase, const char* szName)
{
    if (szBase == nullptr)
        return std::string();
    std::string strBase = szBase;
    std::string strName = szName == nullptr ? std::string() : std::string(szName);
    TrimTrailingSeparators(strBase, RootLength(strBase));
    while (!strName.empty() && IsSeparator(strName.front()))
        strName.erase(0, 1);
    TrimTrailingSeparators(strName, 0);
    if (strName.empty())
        return strBase;
    if (strBase.empty())
        return strName;
    if (IsSeparator(strBase.back()) || strBase.back() == ':')
        return strBase + strName;
    return strBase + "\\" + strName;
}

bool CLCPlatformSystem::ReadWholeFile(const char* szPath, std::string& strData)
{
    const std::wstring wstrPath = Wide(szPath);
    if (wstrPath.empty())
        return false;
    CHandle file(CreateFileW(wstrPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    std::string strResult;
    char buf[65536];
    for (;;) {
        DWORD dwRead = 0;
        if (!ReadFile(file.Get(), buf, sizeof(buf), &dwRead, nullptr))
            return false;
        if (dwRead == 0)
            break;
        strResult.append(buf, dwRead);
    }
    strData.swap(strResult);
    return true;
}

// An existing file keeps its attributes and must not be read-only.
bool CLCPlatformSystem::WriteFileSafely(const char* szPath, const std::string& strBytes,
                                        const std::function<bool()>& fnMayReplace)
{
    const std::wstring wstrTarget = Wide(szPath);
    if (wstrTarget.empty())
        return false;
    const DWORD dwAttributes = GetFileAttributesW(wstrTarget.c_str());
    const bool bExists = dwAttributes != INVALID_FILE_ATTRIBUTES;
    if (bExists && (dwAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return false;

    std::wstring wstrTemp;
    CHandle temp(CreateTempBeside(wstrTarget, wstrTemp));
    if (!temp.IsOpen())
        return false;
    bool bOk = WriteAll(temp.Get(), strBytes) && FlushFileBuffers(temp.Get()) != 0;
    bOk = temp.Close() && bOk;
    if (bOk && fnMayReplace)
        bOk = AskGate(fnMayReplace);
    if (bOk) {
        bOk = bExists ? ReplaceFileW(wstrTarget.c_str(), wstrTemp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                     nullptr, nullptr) != 0
                      : MoveFileExW(wstrTemp.c_str(), wstrTarget.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!bOk)
        DeleteFileW(wstrTemp.c_str());
    return bOk;
}

bool CLCPlatformSystem::ListFolder(const std::string& strFolder, std::vector<SFolderEntry>& vecEntries)
{
    std::wstring wstrPattern = Wide(strFolder.c_str());
    if (wstrPattern.empty())
        return false;
    TrimTrailingSeparators(wstrPattern, RootLength(wstrPattern));
    if (!IsSeparator(wstrPattern.back()))
        wstrPattern += L'\\';
    wstrPattern += L'*';

    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileExW(wstrPattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (hFind == INVALID_HANDLE_VALUE) {
        const DWORD dwError = GetLastError();
        // An empty drive root has not even "." to return.
        if (dwError == ERROR_FILE_NOT_FOUND && IsFolder(Wide(strFolder.c_str())))
            return true;
        const std::string strLog = "ファイルリスト取得中にエラーが発生しました(" + std::to_string(dwError) + ")。";
        CLC_LOG("CLCMacOSNative::getFilesUnderFolder", strLog.c_str());
        return false;
    }
    do {
        const std::wstring wstrName = data.cFileName;
        if (wstrName == L"." || wstrName == L"..")
            continue;
        SFolderEntry entry;
        entry.strName = CLCWinText::Utf8(wstrName.c_str());
        entry.bFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.bHidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        vecEntries.push_back(std::move(entry));
    } while (FindNextFileW(hFind, &data));
    const bool bComplete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(hFind);
    return bComplete;
}
