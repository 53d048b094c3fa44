// Reading, writing, listing and choosing of the platform layer, the same on
// every system over its primitives (CLCPlatformSystem).
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCUtf8.h"
#include "foundation/platform/CLCPlatformSystem.h"
#include "foundation/platform/CLCPlatformTraits.h"
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>

namespace {

CLCMacOSNative::FolderChooser& ChooserSlot()
{
    static CLCMacOSNative::FolderChooser fnChooser;
    return fnChooser;
}

bool IsListed(const CLCPlatformSystem::SFolderEntry& entry)
{
    if (entry.strName.empty() || entry.strName[0] == '.')
        return false;
    return !(CLCPlatformTraits::kListingSkipsHiddenAttribute && entry.bHidden);
}

// The length of the text before its first zero byte when that much is UTF-8,
// npos otherwise: both found in one pass, eight bytes a step while they are
// ASCII without a zero (a document is, almost all of it).
size_t Utf8TextLength(const std::string& strText)
{
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHigh = 0x8080808080808080ULL;
    const auto* const pBegin = reinterpret_cast<const unsigned char*>(strText.data());
    const unsigned char* p = pBegin;
    const unsigned char* const pEnd = p + strText.size();
    while (p != pEnd) {
        if (pEnd - p >= 8) {
            uint64_t ullWord;
            std::memcpy(&ullWord, p, sizeof ullWord);
            if (((((ullWord - kOnes) & ~ullWord) | ullWord) & kHigh) == 0) {
                p += 8;
                continue;
            }
        }
        if (*p == 0)
            break;
        char32_t cp;
        const size_t n = CLCUtf8::Decode(p, static_cast<size_t>(pEnd - p), cp);
        if (n == 0)
            return std::string::npos;
        p += n;
    }
    return static_cast<size_t>(p - pBegin);
}

} // namespace

std::string CLCMacOSNative::readFile(const char* szPath)
{
    std::string strData;
    if (!CLCPlatformSystem::ReadWholeFile(szPath, strData) || !IsValidUtf8(strData))
        return std::string();
    return strData;
}

std::string CLCMacOSNative::readFileSJIS(const char* szPath)
{
    std::string strData, strUtf8;
    if (!CLCPlatformSystem::ReadWholeFile(szPath, strData) || !SjisToUtf8(strData, strUtf8))
        return std::string();
    return strUtf8;
}

bool CLCMacOSNative::writeFile(const char* szPath, std::string& strText, const std::function<bool()>& fnMayReplace)
{
    // The text ends at its first zero byte, as a C string would; a document
    // has none, and is then written without a copy.
    const size_t nEnd = Utf8TextLength(strText);
    if (nEnd == std::string::npos)
        return false;
    if (nEnd == strText.size())
        return CLCPlatformSystem::WriteFileSafely(szPath, strText, fnMayReplace);
    return CLCPlatformSystem::WriteFileSafely(szPath, std::string(strText, 0, nEnd), fnMayReplace);
}

bool CLCMacOSNative::writeSJISFile(const char* szPath, const char* szText, bool bTextIsUtf8)
{
    if (szText == nullptr)
        return false;
    const std::string strText = szText;
    if (bTextIsUtf8) {
        std::string strSjis;
        return Utf8ToSjis(strText, strSjis) && CLCPlatformSystem::WriteFileSafely(szPath, strSjis);
    }
    // Validate by decoding but write the caller's bytes: a round trip would
    // change the CP932 codes that have duplicates (NEC and IBM extensions).
    std::string strUtf8;
    return SjisToUtf8(strText, strUtf8) && CLCPlatformSystem::WriteFileSafely(szPath, strText);
}

bool CLCMacOSNative::getFilesUnderFolder(const std::string& strFolder, std::vector<std::vector<std::string>>& vecRows)
{
    vecRows.clear();
    try {
        std::vector<CLCPlatformSystem::SFolderEntry> vecEntries;
        if (!CLCPlatformSystem::ListFolder(strFolder, vecEntries))
            return false;
        std::vector<std::vector<std::string>> vecFound;
        for (const CLCPlatformSystem::SFolderEntry& entry : vecEntries) {
            if (IsListed(entry))
                vecFound.push_back({entry.strName, entry.bFolder ? "1" : "2"});
        }
        // The system's order is arbitrary; later results must not depend on it.
        std::sort(vecFound.begin(), vecFound.end(),
                  [](const auto& a, const auto& b) { return a[0] < b[0]; });
        vecRows.swap(vecFound);
        return true;
    } catch (const std::exception&) {
        CLC_LOG("CLCMacOSNative::getFilesUnderFolder", kUnexpectedError);
        vecRows.clear();
        return false;
    }
}

void CLCMacOSNative::SetFolderChooser(FolderChooser fnChooser)
{
    ChooserSlot() = std::move(fnChooser);
}

bool CLCMacOSNative::getFolderPath(const char* szInitialFolder, std::string& strChosen)
{
    // A dialog that could not run at all throws on to the operation, whose
    // catch reports it as the unexpected error it is; only a chosen folder
    // whose path cannot be had is answered here.
    const FolderChooser& fnChooser = ChooserSlot();
    const int nResult = fnChooser ? fnChooser(szInitialFolder, strChosen)
                                  : CLCPlatformSystem::ChooseFolder(szInitialFolder, strChosen);
    if (nResult >= 0)
        return true;
    CLC_LOG("CLCMacOSNative::getFolderPath", kUnexpectedError);
    return false;
}
