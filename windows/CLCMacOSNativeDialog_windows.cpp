// The folder dialog of the Win32 platform layer: the shell's file-open dialog
// in folder mode, on the caller's COM apartment.
#include "foundation/platform/CLCPlatformSystem.h"
#include "foundation/CLCDebugDump.h"
#include "windows/CLCComPtr.h"
#include "windows/CLCWinText.h"
#include <windows.h>
#include <objbase.h>
#include <shobjidl.h>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kFunction = "CLCMacOSNative::getFolderPath";

void LogHResult(const char* szText, HRESULT hr)
{
    char szCode[16];
    std::snprintf(szCode, sizeof(szCode), "0x%.08lX", static_cast<unsigned long>(hr));
    const std::string strLog = std::string(szText) + " hr = " + szCode + ";";
    CLC_LOG(kFunction, strLog.c_str());
}

// A dialog that cannot do its work: the operation's catch reports it.
[[noreturn]] void Fail(const char* szText, HRESULT hr)
{
    LogHResult(szText, hr);
    throw std::runtime_error("the folder dialog failed");
}

class CTaskText {
public:
    ~CTaskText() { CoTaskMemFree(m_wsz); }
    PWSTR* Put() { return &m_wsz; }
    const wchar_t* Get() const { return m_wsz; }

private:
    PWSTR m_wsz = nullptr;
};

} // namespace

int CLCPlatformSystem::ChooseFolder(const char* szInitialFolder, std::string& strChosen)
{
    CLCComPtr<IFileOpenDialog> pDialog;
    HRESULT hr = CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                  pDialog.PutVoid());
    if (FAILED(hr))
        Fail("CLSID_FileOpenDialog の作成に失敗しました。", hr);
    FILEOPENDIALOGOPTIONS options = 0;
    if (SUCCEEDED(pDialog->GetOptions(&options)))
        pDialog->SetOptions(options | FOS_PICKFOLDERS);

    if (szInitialFolder != nullptr && *szInitialFolder != '\0') {
        CLCComPtr<IShellItem> pFolder;
        hr = SHCreateItemFromParsingName(CLCWinText::Wide(szInitialFolder).c_str(), nullptr, IID_IShellItem,
                                         pFolder.PutVoid());
        if (SUCCEEDED(hr))
            pDialog->SetFolder(pFolder.Get());
        else
            LogHResult("デフォルトフォルダパス設定失敗。", hr);
    }

    hr = pDialog->Show(nullptr);
    // Only the user's cancel is a cancel; a dialog that could not be shown
    // fails, never a silent "nothing chosen".
    if (hr == HRESULT_FROM_WIN32(ERROR_CANCELLED))
        return 0;
    if (FAILED(hr))
        Fail("フォルダ選択ダイアログの表示に失敗しました。", hr);
    CLCComPtr<IShellItem> pResult;
    hr = pDialog->GetResult(pResult.Put());
    if (FAILED(hr))
        Fail("GetResult関数処理失敗。", hr);
    CTaskText path;
    hr = pResult->GetDisplayName(SIGDN_FILESYSPATH, path.Put());
    if (FAILED(hr)) {
        LogHResult("GetDisplayName関数処理失敗。", hr);
        return -1;
    }
    const std::string strPath = CLCWinText::Utf8(path.Get());
    if (strPath.empty())
        return -1;
    strChosen = strPath;
    return 1;
}
