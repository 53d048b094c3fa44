// Files, folders, listing and the safe write of the Win32 platform layer,
// through paths that hold characters outside the machine's ANSI code page.
#include "WinTest.h"
#include "WinTestSupport.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include <iterator>
#include <windows.h>

namespace {

using wintest::CTestFolder;
using Rows = std::vector<std::vector<std::string>>;

std::wstring WidePath(const std::string& strPath)
{
    return std::filesystem::u8path(strPath).wstring();
}

// Every entry, those a listing leaves out included.
size_t EntriesIn(const std::string& strFolder)
{
    using std::filesystem::directory_iterator;
    return static_cast<size_t>(std::distance(directory_iterator(std::filesystem::u8path(strFolder)), directory_iterator()));
}

WIN_TEST(FileTestsAndSizesSeeTheItem)
{
    CTestFolder folder;
    const std::string strFile = folder.Write("\xE9\xAB\x99.csv", "12345");   // 髙.csv
    CHECK(CLCCbCCommon::PathFileExists(strFile.c_str()));
    CHECK(CLCCbCCommon::PathFileIsRead(strFile.c_str()));
    CHECK(!CLCCbCCommon::PathFileExists(folder.Path().c_str()));
    CHECK(CLCCbCCommon::PathDirectoryExistsNoEdit(folder.Path().c_str()));
    CHECK(!CLCCbCCommon::PathDirectoryExistsNoEdit(strFile.c_str()));
    CHECK(CLCCbCCommon::PathDirectoryExists((folder / "missing.xml").c_str()));
    CHECK(CLCCbCCommon::PathDirectoryExists((folder.Path() + "/sub/").c_str()));   // parent of "sub"
    CHECK(!CLCCbCCommon::PathDirectoryExists((folder / "missing\\out.xml").c_str()));
    CHECK(!CLCCbCCommon::PathDirectoryExists("out.xml"));
    CHECK_EQ(CLCCbCCommon::GetFileSize(strFile.c_str()), 5L);
    CHECK_EQ(CLCCbCCommon::GetFileSizeULL(strFile.c_str()), 5ull);
    CHECK_EQ(CLCCbCCommon::GetFileSize((folder / "missing").c_str()), -1L);
    CHECK_EQ(CLCCbCCommon::GetFileSizeULL((folder / "missing").c_str()), UINT64_MAX);
    CHECK_EQ(CLCCbCCommon::GetFileSize(nullptr), -1L);
}

WIN_TEST(ReadsDecodeWholeFilesOrGiveNothing)
{
    CTestFolder folder;
    const std::string strSjis = folder.Write("sjis.csv", "\x87\x40,\xFB\xFC\r\n");
    CHECK_EQ(CLCCbCCommon::ReadCsvFileData(strSjis.c_str()), "\xE2\x91\xA0,\xE9\xAB\x99\r\n");
    CHECK_EQ(CLCCbCCommon::ReadFileData(strSjis.c_str()), "");   // not UTF-8
    const std::string strUtf8 = folder.Write("utf8.xml", "<a>\xE2\x91\xA0</a>");
    CHECK_EQ(CLCCbCCommon::ReadFileData(strUtf8.c_str()), "<a>\xE2\x91\xA0</a>");
    CHECK_EQ(CLCCbCCommon::ReadCsvFileData(folder.Write("bad.csv", "\x85\x40").c_str()), "");
    CHECK_EQ(CLCCbCCommon::ReadCsvFileData((folder / "missing.csv").c_str()), "");
    CHECK_EQ(CLCCbCCommon::ReadFileData(folder.Path().c_str()), "");
}

WIN_TEST(SafeWriteReplacesTheFileWholeOrNotAtAll)
{
    CTestFolder folder;
    const std::string strPath = folder.Write("out.csv", "an older and longer text");
    std::string strText = "\xE2\x91\xA0";
    CHECK(CLCCbCCommon::WriteFileData(strPath.c_str(), strText));
    CHECK_EQ(wintest::ReadBytes(strPath), "\xE2\x91\xA0");
    CHECK(CLCCbCCommon::writeSJISFile(strPath.c_str(), "\x87\x40,1\r\n", false));
    CHECK_EQ(wintest::ReadBytes(strPath), "\x87\x40,1\r\n");
    CHECK(CLCCbCCommon::writeSJISFile((folder / "new.csv").c_str(), "\xE9\xAB\x99", true));
    CHECK_EQ(wintest::ReadBytes(folder / "new.csv"), "\xFB\xFC");

    // Refused texts and targets leave the old file, and no temporary beside it.
    CHECK(!CLCCbCCommon::writeSJISFile(strPath.c_str(), "\x85\x40", false));
    CHECK(!CLCCbCCommon::writeSJISFile(strPath.c_str(), "\xF0\x9F\x98\x80", true));
    std::string strBad = "\xFF";
    CHECK(!CLCCbCCommon::WriteFileData(strPath.c_str(), strBad));
    CHECK(!CLCCbCCommon::WriteFileData(folder.Path().c_str(), strText));
    CHECK(!CLCCbCCommon::WriteFileData((folder / "missing\\x.csv").c_str(), strText));
    SetFileAttributesW(WidePath(strPath).c_str(), FILE_ATTRIBUTE_READONLY);
    CHECK(!CLCCbCCommon::WriteFileData(strPath.c_str(), strText));
    SetFileAttributesW(WidePath(strPath).c_str(), FILE_ATTRIBUTE_NORMAL);
    CHECK_EQ(wintest::ReadBytes(strPath), "\x87\x40,1\r\n");

    CHECK_EQ(EntriesIn(folder.Path()), 2u);   // new.csv, out.csv: no temporary left behind
}

WIN_TEST(ListingIsSortedAndLeavesOutHiddenAndDotEntries)
{
    CTestFolder folder;
    folder.Write("b.csv", "x");
    folder.Write("A.csv", "x");
    folder.Write(".dot.csv", "x");
    const std::string strHidden = folder.Write("hidden.csv", "x");
    SetFileAttributesW(WidePath(strHidden).c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW(WidePath(folder / "02_GLOBEBody").c_str(), nullptr);
    CreateDirectoryW(WidePath(folder / "\xE2\x91\xA0").c_str(), nullptr);

    Rows rows = {{"stale", "2"}};
    CHECK(CLCCbCCommon::getFolderFilelist(folder.Path() + "\\", rows));
    const Rows expected = {{"02_GLOBEBody", "1"}, {"A.csv", "2"}, {"b.csv", "2"}, {"\xE2\x91\xA0", "1"}};
    CHECK(rows == expected);
    CHECK_EQ(rows.size(), expected.size());

    rows = {{"kept", "2"}};
    CHECK(!CLCCbCCommon::getFolderFilelist(folder / "missing", rows));
    CHECK_EQ(rows.size(), 1u);
    CHECK(CLCCbCCommon::getFolderFilelist((folder / "02_GLOBEBody"), rows));
    CHECK(rows.empty());
}

struct SJoin {
    const char* szBase;
    const char* szName;
    const char* szJoined;
};
const SJoin kJoins[] = {
    {"C:\\Temp\\", "_OVK_TESVANT_20250131.log", "C:\\Temp\\_OVK_TESVANT_20250131.log"},
    {"C:\\Temp", "a.log", "C:\\Temp\\a.log"},
    {"C:\\", "a.log", "C:\\a.log"},
    {"C:/x/", "/a/", "C:/x\\a"},
    {"\\\\server\\share\\", "a", "\\\\server\\share\\a"},
    {"C:\\x", nullptr, "C:\\x"},
    {"", "a", "a"},
};

WIN_TEST(PathsJoinWithOneBackslash)
{
    for (const SJoin& c : kJoins)
        CHECK_EQ(CLCMacOSNative::appendFilePath(c.szBase, c.szName), c.szJoined);
    CHECK_EQ(CLCMacOSNative::appendFilePath(nullptr, "a"), "");
}

WIN_TEST(HomeAndTemporaryFoldersExist)
{
    const std::string strTemp = CLCMacOSNative::temporaryDirectory();
    CHECK(CLCCbCCommon::PathDirectoryExistsNoEdit(strTemp.c_str()));
    const char* szHome = CLCCbCCommon::getHomeDirectory();
    CHECK(szHome != nullptr && CLCCbCCommon::PathDirectoryExistsNoEdit(szHome));
}

} // namespace
