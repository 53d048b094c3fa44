#include "windows/com/CLCComRegistrar.h"

#include <cwctype>
#include <memory>
#include <vector>

namespace {

enum class Removal { Normal, NoRemove, ForceRemove };

struct SValue {
    std::wstring wstrName;   // "" for the default value
    bool bDword = false;
    std::wstring wstrText;
    DWORD dwNumber = 0;
};

struct SKey {
    std::wstring wstrName;
    Removal removal = Removal::Normal;
    std::vector<SValue> vecValues;
    std::vector<std::unique_ptr<SKey>> vecChildren;
};

struct SRoot {
    HKEY hRoot;
    std::vector<std::unique_ptr<SKey>> vecKeys;
};

struct SRootName {
    const wchar_t* wszName;
    HKEY hKey;
};

const SRootName kRoots[] = {
    {L"HKCR", HKEY_CLASSES_ROOT},          {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {L"HKCU", HKEY_CURRENT_USER},          {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {L"HKLM", HKEY_LOCAL_MACHINE},         {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
};

bool EqualsNoCase(const std::wstring& a, const wchar_t* b)
{
    return CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

// Tokens are separated by blanks; '...' is one token with '' for a quote.
class CTokens {
public:
    CTokens(const std::wstring& wstrText, const CLCComRegistrar::Replacements& mapReplacements)
        : m_wstr(wstrText), m_mapReplacements(mapReplacements)
    {
    }

    bool AtEnd()
    {
        SkipBlanks();
        return m_nPos >= m_wstr.size();
    }

    // The next token with its replacements made; false at the end or on a
    // broken quote or an unknown replacement.
    bool Next(std::wstring& wstrToken, bool* pbQuoted = nullptr)
    {
        SkipBlanks();
        if (m_nPos >= m_wstr.size())
            return false;
        std::wstring wstrRaw;
        bool bQuoted = m_wstr[m_nPos] == L'\'';
        if (bQuoted) {
            ++m_nPos;
            for (;;) {
                if (m_nPos >= m_wstr.size())
                    return false;
                if (m_wstr[m_nPos] == L'\'') {
                    if (m_nPos + 1 < m_wstr.size() && m_wstr[m_nPos + 1] == L'\'') {
                        wstrRaw += L'\'';
                        m_nPos += 2;
                        continue;
                    }
                    ++m_nPos;
                    break;
                }
                wstrRaw += m_wstr[m_nPos++];
            }
        } else {
            while (m_nPos < m_wstr.size() && !std::iswspace(m_wstr[m_nPos]))
                wstrRaw += m_wstr[m_nPos++];
        }
        if (pbQuoted != nullptr)
            *pbQuoted = bQuoted;
        return Replace(wstrRaw, wstrToken);
    }

    bool Peek(std::wstring& wstrToken)
    {
        const size_t nSaved = m_nPos;
        const bool bOk = Next(wstrToken);
        m_nPos = nSaved;
        return bOk;
    }

private:
    void SkipBlanks()
    {
        while (m_nPos < m_wstr.size() && std::iswspace(m_wstr[m_nPos]))
            ++m_nPos;
    }

    bool Replace(const std::wstring& wstrRaw, std::wstring& wstrOut) const
    {
        wstrOut.clear();
        for (size_t i = 0; i < wstrRaw.size(); ++i) {
            if (wstrRaw[i] != L'%') {
                wstrOut += wstrRaw[i];
                continue;
            }
            const size_t nEnd = wstrRaw.find(L'%', i + 1);
            if (nEnd == std::wstring::npos)
                return false;
            const std::wstring wstrName = wstrRaw.substr(i + 1, nEnd - i - 1);
            if (wstrName.empty()) {
                wstrOut += L'%';
            } else {
                const auto it = m_mapReplacements.find(wstrName);
                if (it == m_mapReplacements.end())
                    return false;
                wstrOut += it->second;
            }
            i = nEnd;
        }
        return true;
    }

    const std::wstring& m_wstr;
    const CLCComRegistrar::Replacements& m_mapReplacements;
    size_t m_nPos = 0;
};

// "= s 'text'" or "= d 'number'" after a key or value name.
bool ParseAssignment(CTokens& tokens, SValue& value)
{
    std::wstring wstrType;
    std::wstring wstrText;
    if (!tokens.Next(wstrType) || !tokens.Next(wstrText))
        return false;
    if (EqualsNoCase(wstrType, L"s")) {
        value.wstrText = wstrText;
        return true;
    }
    if (!EqualsNoCase(wstrType, L"d") || wstrText.empty())
        return false;
    wchar_t* pEnd = nullptr;
    const unsigned long ulNumber = std::wcstoul(wstrText.c_str(), &pEnd, 0);
    if (*pEnd != L'\0')
        return false;
    value.bDword = true;
    value.dwNumber = static_cast<DWORD>(ulNumber);
    return true;
}

bool ParseKeys(CTokens& tokens, std::vector<std::unique_ptr<SKey>>& vecKeys, std::vector<SValue>* pParentValues);

// One key: [NoRemove|ForceRemove] name [= s 'text'] [{ ... }].
bool ParseKey(CTokens& tokens, std::wstring wstrToken, bool bQuoted, std::unique_ptr<SKey>& pKey)
{
    pKey = std::make_unique<SKey>();
    if (!bQuoted && EqualsNoCase(wstrToken, L"NoRemove")) {
        pKey->removal = Removal::NoRemove;
        if (!tokens.Next(wstrToken))
            return false;
    } else if (!bQuoted && EqualsNoCase(wstrToken, L"ForceRemove")) {
        pKey->removal = Removal::ForceRemove;
        if (!tokens.Next(wstrToken))
            return false;
    }
    if (wstrToken.empty() || wstrToken == L"{" || wstrToken == L"}" || wstrToken.find(L'\\') != std::wstring::npos)
        return false;
    pKey->wstrName = wstrToken;
    std::wstring wstrNext;
    if (tokens.Peek(wstrNext) && wstrNext == L"=") {
        tokens.Next(wstrNext);
        SValue value;
        if (!ParseAssignment(tokens, value))
            return false;
        pKey->vecValues.push_back(std::move(value));
    }
    if (tokens.Peek(wstrNext) && wstrNext == L"{") {
        tokens.Next(wstrNext);
        return ParseKeys(tokens, pKey->vecChildren, &pKey->vecValues);
    }
    return true;
}

// Keys and named values up to the closing brace.
bool ParseKeys(CTokens& tokens, std::vector<std::unique_ptr<SKey>>& vecKeys, std::vector<SValue>* pParentValues)
{
    std::wstring wstrToken;
    bool bQuoted = false;
    while (tokens.Next(wstrToken, &bQuoted)) {
        if (!bQuoted && wstrToken == L"}")
            return true;
        if (!bQuoted && EqualsNoCase(wstrToken, L"val")) {
            SValue value;
            std::wstring wstrEquals;
            if (pParentValues == nullptr || !tokens.Next(value.wstrName) || !tokens.Next(wstrEquals)
                || wstrEquals != L"=" || !ParseAssignment(tokens, value))
                return false;
            pParentValues->push_back(std::move(value));
            continue;
        }
        std::unique_ptr<SKey> pKey;
        if (!ParseKey(tokens, wstrToken, bQuoted, pKey))
            return false;
        vecKeys.push_back(std::move(pKey));
    }
    return false;   // no closing brace
}

bool ParseScript(const std::wstring& wstrScript, const CLCComRegistrar::Replacements& mapReplacements,
                 std::vector<SRoot>& vecRoots)
{
    CTokens tokens(wstrScript, mapReplacements);
    while (!tokens.AtEnd()) {
        std::wstring wstrRoot;
        std::wstring wstrBrace;
        if (!tokens.Next(wstrRoot) || !tokens.Next(wstrBrace) || wstrBrace != L"{")
            return false;
        const SRootName* pRoot = nullptr;
        for (const SRootName& root : kRoots) {
            if (EqualsNoCase(wstrRoot, root.wszName))
                pRoot = &root;
        }
        if (pRoot == nullptr)
            return false;
        SRoot root{pRoot->hKey, {}};
        if (!ParseKeys(tokens, root.vecKeys, nullptr))
            return false;
        vecRoots.push_back(std::move(root));
    }
    return true;
}

HRESULT FromWin32(LSTATUS lStatus)
{
    return lStatus == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(lStatus));
}

class CKey {
public:
    CKey() = default;
    ~CKey()
    {
        if (m_h != nullptr)
            RegCloseKey(m_h);
    }
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;
    HKEY* Put() { return &m_h; }
    HKEY Get() const { return m_h; }

private:
    HKEY m_h = nullptr;
};

HRESULT SetValue(HKEY hKey, const SValue& value)
{
    const wchar_t* wszName = value.wstrName.empty() ? nullptr : value.wstrName.c_str();
    if (value.bDword) {
        return FromWin32(RegSetValueExW(hKey, wszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.dwNumber),
                                        sizeof(value.dwNumber)));
    }
    const DWORD dwBytes = static_cast<DWORD>((value.wstrText.size() + 1) * sizeof(wchar_t));
    return FromWin32(RegSetValueExW(hKey, wszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.wstrText.c_str()),
                                    dwBytes));
}

HRESULT RegisterKey(HKEY hParent, const SKey& key)
{
    if (key.removal == Removal::ForceRemove) {
        const LSTATUS lStatus = RegDeleteTreeW(hParent, key.wstrName.c_str());
        if (lStatus != ERROR_SUCCESS && lStatus != ERROR_FILE_NOT_FOUND)
            return FromWin32(lStatus);
    }
    CKey hKey;
    HRESULT hr = FromWin32(RegCreateKeyExW(hParent, key.wstrName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_READ | KEY_WRITE, nullptr, hKey.Put(), nullptr));
    if (FAILED(hr))
        return hr;
    for (const SValue& value : key.vecValues) {
        if (FAILED(hr = SetValue(hKey.Get(), value)))
            return hr;
    }
    for (const auto& pChild : key.vecChildren) {
        if (FAILED(hr = RegisterKey(hKey.Get(), *pChild)))
            return hr;
    }
    return S_OK;
}

// What is already gone counts as removed.
HRESULT UnregisterKey(HKEY hParent, const SKey& key)
{
    if (key.removal != Removal::NoRemove) {
        const LSTATUS lStatus = RegDeleteTreeW(hParent, key.wstrName.c_str());
        // The key itself goes with its subtree.
        return lStatus == ERROR_FILE_NOT_FOUND ? S_OK : FromWin32(lStatus);
    }
    CKey hKey;
    const LSTATUS lStatus = RegOpenKeyExW(hParent, key.wstrName.c_str(), 0, KEY_READ | KEY_WRITE, hKey.Put());
    if (lStatus == ERROR_FILE_NOT_FOUND)
        return S_OK;
    HRESULT hr = FromWin32(lStatus);
    if (FAILED(hr))
        return hr;
    for (const SValue& value : key.vecValues) {
        if (value.wstrName.empty())
            continue;   // a kept key keeps its default value
        const LSTATUS lDelete = RegDeleteValueW(hKey.Get(), value.wstrName.c_str());
        if (lDelete != ERROR_SUCCESS && lDelete != ERROR_FILE_NOT_FOUND)
            return FromWin32(lDelete);
    }
    for (const auto& pChild : key.vecChildren) {
        if (FAILED(hr = UnregisterKey(hKey.Get(), *pChild)))
            return hr;
    }
    return S_OK;
}

} // namespace

HRESULT CLCComRegistrar::Register(const std::wstring& wstrScript) const
{
    return Run(wstrScript, true);
}

HRESULT CLCComRegistrar::Unregister(const std::wstring& wstrScript) const
{
    return Run(wstrScript, false);
}

HRESULT CLCComRegistrar::Run(const std::wstring& wstrScript, bool bRegister) const
{
    std::vector<SRoot> vecRoots;
    if (!ParseScript(wstrScript, m_mapReplacements, vecRoots))
        return DISP_E_EXCEPTION;
    for (const SRoot& root : vecRoots) {
        for (const auto& pKey : root.vecKeys) {
            const HRESULT hr = bRegister ? RegisterKey(root.hRoot, *pKey) : UnregisterKey(root.hRoot, *pKey);
            if (FAILED(hr))
                return hr;
        }
    }
    return S_OK;
}
