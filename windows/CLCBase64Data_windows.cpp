// Base64 of a file through the crypto library of Windows.
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/platform/CLCPlatformSystem.h"
#include "foundation/platform/CLCPlatformTraits.h"
#include <windows.h>
#include <wincrypt.h>
#include <new>
#include <string>

static_assert(CLCPlatformTraits::kBase64FinalLineBreak && CLCPlatformTraits::kBase64RefusesEmpty,
              "the crypto library ends every line and takes no empty input");

namespace {

constexpr const char* kFunction = "CLCBase64Data::Base64Encode";
constexpr size_t kLineLength = 64;

// The library's text cut again into lines of 64 characters, each ended with
// CR LF: some versions put a short last group on the line before it.
std::string Relined(const std::wstring& wstrEncoded)
{
    std::string strFlat;
    strFlat.reserve(wstrEncoded.size());
    for (wchar_t ch : wstrEncoded) {
        if (ch != L'\r' && ch != L'\n' && ch != L'\0')
            strFlat += static_cast<char>(ch);
    }
    std::string strOut;
    strOut.reserve(strFlat.size() + (strFlat.size() / kLineLength + 1) * 2);
    for (size_t nPos = 0; nPos < strFlat.size(); nPos += kLineLength)
        strOut.append(strFlat, nPos, kLineLength).append("\r\n");
    return strOut;
}

} // namespace

bool CLCBase64Data::Base64Encode(const char* szPath, std::string& strOut)
{
    try {
        std::string strData;
        if (!CLCPlatformSystem::ReadWholeFile(szPath, strData)) {
            CLC_LOG(kFunction, "Base64エンコードに失敗");
            return false;
        }
        if (strData.empty() || strData.size() > MAXDWORD) {
            CLC_LOG(kFunction, "引数エラー");
            return false;
        }
        const auto* pData = reinterpret_cast<const BYTE*>(strData.data());
        const DWORD dwData = static_cast<DWORD>(strData.size());
        DWORD dwChars = 0;
        if (!CryptBinaryToStringW(pData, dwData, CRYPT_STRING_BASE64, nullptr, &dwChars)) {
            CLC_LOG(kFunction, "Base64エンコード後のサイズ取得に失敗");
            return false;
        }
        std::wstring wstrEncoded;
        try {
            wstrEncoded.assign(dwChars, L'\0');
        } catch (const std::bad_alloc&) {
            CLC_LOG(kFunction, "メモリ確保に失敗");
            return false;
        }
        if (!CryptBinaryToStringW(pData, dwData, CRYPT_STRING_BASE64, wstrEncoded.data(), &dwChars)) {
            CLC_LOG(kFunction, "Base64エンコードに失敗");
            return false;
        }
        wstrEncoded.resize(dwChars);
        strOut = Relined(wstrEncoded);
        return true;
    } catch (...) {
        CLC_LOG(kFunction, kUnexpectedError);
        return false;
    }
}
