// GetFolderPath with the dialog scripted through the chooser seam (no window
// is ever opened): a chosen folder, the user's cancel, which the Windows
// build answers with S_OK, a chosen folder without a path (no access) and a
// dialog that could not run, which is an unexpected error.
#include "WinTest.h"
#include "WinTestSupport.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <stdexcept>
#include <thread>

namespace {

struct SChoice {
    const char* szName;
    int nOutcome;   // what the dialog answers; kThrows: it throws
    const char* szResult;
    const char* szDetail;
    bool bFolderShown;
};
constexpr int kThrows = -2;
const SChoice kChoices[] = {
    {"chosen", 1, "S_OK", "", true},
    {"cancelled", 0, "S_OK", "", false},
    {"no path for the folder", -1, "E_FAIL", "0000-00000-HE60041E", false},
    {"dialog failed", kThrows, "E_FAIL", "0000-00000-HE60000E", false},
};

WIN_TEST(ScriptedDialogOutcomes)
{
    wintest::CTestFolder folder;
    folder.Write("b.csv", "x");
    folder.Write("a.csv", "x");
    folder.Write("\xE2\x91\xA0.csv", "x");
    std::string strAsked;
    for (const SChoice& c : kChoices) {
        CLCMacOSNative::SetFolderChooser([&](const char* szInitial, std::string& strChosen) {
            strAsked = szInitial;
            if (c.nOutcome == kThrows)
                throw std::runtime_error("no dialog");
            if (c.nOutcome == 1)
                strChosen = folder.Path();
            return c.nOutcome;
        });
        CLCCsvConvDataCbC api;
        const CLCCsvConvResultCbC* pResult = api.GetFolderPath("C:\\start");
        CHECK_EQ(strAsked, "C:\\start");
        CHECK_EQ(pResult->getResult(), c.szResult);
        CHECK_EQ(pResult->getDetailErrorInfo(), c.szDetail);
        CHECK_EQ(pResult->get_FolderPath(), c.bFolderShown ? folder.Path() : "");
        CHECK_EQ(pResult->get_FileName(), c.bFolderShown ? "a.csv/b.csv/\xE2\x91\xA0.csv" : "");
    }
    CLCMacOSNative::SetFolderChooser({});
}

// The real dialog on a thread without COM: it cannot be made at all.
WIN_TEST(DialogThatCannotBeMadeIsTheFatalRow)
{
    std::string strResult, strDetail;
    std::thread([&] {
        CLCCsvConvDataCbC api;
        const CLCCsvConvResultCbC* pResult = api.GetFolderPath("C:\\");
        strResult = pResult->getResult();
        strDetail = pResult->getDetailErrorInfo();
    }).join();
    CHECK_EQ(strResult, "E_FAIL");
    CHECK_EQ(strDetail, "0000-00000-HE60000E");
}

} // namespace
