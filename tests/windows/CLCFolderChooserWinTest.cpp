// GetFolderPath with the dialog scripted through the chooser seam (no window
// is ever opened): a chosen folder, the user's cancel, which the Windows
// build answers with S_OK, and a dialog that failed.
#include "WinTest.h"
#include "WinTestSupport.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "foundation/platform/CLCMacOSNative.h"

namespace {

struct SChoice {
    const char* szName;
    int nOutcome;   // what the dialog answers
    const char* szResult;
    const char* szDetail;
    bool bFolderShown;
};
const SChoice kChoices[] = {
    {"chosen", 1, "S_OK", "", true},
    {"cancelled", 0, "S_OK", "", false},
    {"failed", -1, "E_FAIL", "0000-00000-HE60041E", false},
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

} // namespace
