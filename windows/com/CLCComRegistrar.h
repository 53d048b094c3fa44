#pragma once
#include <windows.h>
#include <map>
#include <string>

// Runs a registration script (the REGISTRY resources of the server): keys
// under a root ("HKCR" and the like), each optionally with a default string
// value, "val Name = s '...'" named values and a block of subkeys. A key
// marked NoRemove is made when missing and never deleted; ForceRemove deletes
// the key's subtree before it is written; every other key the script names is
// deleted with its subtree on unregistration. "%NAME%" is replaced from the
// table, "%%" is a percent sign.
class CLCComRegistrar {
public:
    using Replacements = std::map<std::wstring, std::wstring>;

    explicit CLCComRegistrar(Replacements mapReplacements) : m_mapReplacements(std::move(mapReplacements)) {}

    // The first failure ends the run and is answered; what was done stays.
    // A script that does not parse gives DISP_E_EXCEPTION and changes nothing.
    HRESULT Register(const std::wstring& wstrScript) const;
    HRESULT Unregister(const std::wstring& wstrScript) const;

private:
    HRESULT Run(const std::wstring& wstrScript, bool bRegister) const;

    Replacements m_mapReplacements;
};
