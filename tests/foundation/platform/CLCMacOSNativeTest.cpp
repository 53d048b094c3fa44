#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/FoundationTestFolder.h"
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <functional>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

// Text handling must not depend on the host's locale.
class CLocaleC : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* szOld = std::setlocale(LC_ALL, nullptr);
        m_strOld = szOld == nullptr ? "C" : szOld;
        std::setlocale(LC_ALL, "C");
    }
    void TearDown() override { std::setlocale(LC_ALL, m_strOld.c_str()); }
    CTestFolder m_folder;

private:
    std::string m_strOld;
};

// ---- Shift_JIS (CP932) ----

using SjisRead = CLocaleC;

TEST_F(SjisRead, DecodesCodePage932)
{
    const std::string strPath = m_folder / "a.csv";
    WriteBytes(strPath, "\x5C\x7E\x87\x40\xFB\xFC\x82\xA0");
    EXPECT_EQ(CLCMacOSNative::readFileSJIS(strPath.c_str()), "\\~\xE2\x91\xA0\xE9\xAB\x99\xE3\x81\x82");   // \~①髙あ
    EXPECT_EQ(CLCCbCCommon::ReadCsvFileData(strPath.c_str()), "\\~\xE2\x91\xA0\xE9\xAB\x99\xE3\x81\x82");
}

TEST_F(SjisRead, InvalidBytesGiveEmptyText)
{
    const std::pair<const char*, std::string> kCases[] = {
        {"loneTrailingLeadByte", "abc\x82"},
        {"badTrailByte", "\x82\x20"},
        {"undefinedLead", "\xA0"},
    };
    for (const auto& [szName, strBytes] : kCases) {
        const std::string strPath = m_folder / szName;
        WriteBytes(strPath, strBytes);
        EXPECT_EQ(CLCMacOSNative::readFileSJIS(strPath.c_str()), "") << szName;
    }
    EXPECT_EQ(CLCMacOSNative::readFileSJIS((m_folder / "missing").c_str()), "");
    EXPECT_EQ(CLCMacOSNative::readFileSJIS(m_folder.Path().c_str()), "");
}

TEST_F(SjisRead, Utf8ReadRefusesInvalidText)
{
    const std::string strPath = m_folder / "a.xml";
    WriteBytes(strPath, "<a>\xE3\x81\x82</a>");
    EXPECT_EQ(CLCMacOSNative::readFile(strPath.c_str()), "<a>\xE3\x81\x82</a>");
    for (const char* szBad : {"\xE3\x81", "\xED\xA0\x80", "\xC0\xAF", "\xF4\x90\x80\x80"}) {
        WriteBytes(strPath, szBad);
        EXPECT_EQ(CLCMacOSNative::readFile(strPath.c_str()), "");
    }
}

// ASCII is passed over eight bytes at a time: a bad sequence must be found
// wherever it stands against those steps.
TEST(Utf8Check, FindsABadSequenceAtAnyOffset)
{
    for (size_t nAt = 0; nAt <= 17; ++nAt) {
        for (const char* szBad : {"\xFF", "\xE3\x81", "\xED\xA0\x80", "\xC0\xAF"}) {
            const std::string strText = std::string(nAt, 'a') + szBad + std::string(9, 'b');
            EXPECT_FALSE(CLCMacOSNative::IsValidUtf8(strText)) << nAt;
        }
        EXPECT_TRUE(CLCMacOSNative::IsValidUtf8(std::string(nAt, 'a') + "\xE3\x81\x82" + std::string(nAt, 'b')));
    }
    EXPECT_FALSE(CLCMacOSNative::IsValidUtf8(std::string(16, 'a') + "\xE3"));
}

TEST_F(SjisRead, ConvertsBothWays)
{
    std::string strSjis;
    ASSERT_TRUE(CLCMacOSNative::Utf8ToSjis("\\~\xE3\x88\xB1\xE3\x81\x82", strSjis));   // \~㈱あ
    EXPECT_EQ(strSjis, "\x5C\x7E\x87\x8A\x82\xA0");
    EXPECT_FALSE(CLCMacOSNative::Utf8ToSjis("\xF0\x9F\x98\x80", strSjis));   // emoji: no CP932 code
    EXPECT_FALSE(CLCMacOSNative::Utf8ToSjis("\xED\xA0\x80", strSjis));       // surrogate
    std::string strUtf8 = "kept";
    EXPECT_FALSE(CLCMacOSNative::SjisToUtf8("\x82", strUtf8));
    EXPECT_EQ(strUtf8, "kept");
    // The converters are kept between calls: a failed text leaves nothing behind.
    ASSERT_TRUE(CLCMacOSNative::SjisToUtf8("\x82\xA0", strUtf8));
    EXPECT_EQ(strUtf8, "\xE3\x81\x82");
    ASSERT_TRUE(CLCMacOSNative::Utf8ToSjis("\xE3\x81\x82", strSjis));
    EXPECT_EQ(strSjis, "\x82\xA0");
}

// ---- writing ----

using SafeWrite = CLocaleC;

TEST_F(SafeWrite, ReplacesALongerFileExactly)
{
    const std::string strPath = m_folder / "out.xml";
    WriteBytes(strPath, std::string(100, 'x'));
    std::string strText = "<a>\xE3\x81\x82</a>";
    ASSERT_TRUE(CLCCbCCommon::WriteFileData(strPath.c_str(), strText));
    EXPECT_EQ(ReadBytes(strPath), strText);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.Path()), fs::directory_iterator()), 1);
}

TEST_F(SafeWrite, CreatesANewFile)
{
    const std::string strPath = m_folder / "new.csv";
    ASSERT_TRUE(CLCCbCCommon::writeSJISFile(strPath.c_str(), "a,\xE3\x81\x82\r\n", true));
    EXPECT_EQ(ReadBytes(strPath), "a,\x82\xA0\r\n");
}

TEST_F(SafeWrite, SjisTextIsWrittenAsGiven)
{
    // NEC-selected IBM extension code ED40 decodes to 纊, which re-encodes as FA5C:
    // the caller's bytes must survive unchanged.
    const std::string strPath = m_folder / "w.csv";
    const std::string strBytes = "\xED\x40\x87\x40\x5C\r\n";
    ASSERT_TRUE(CLCCbCCommon::writeSJISFile(strPath.c_str(), strBytes.c_str(), false));
    EXPECT_EQ(ReadBytes(strPath), strBytes);
}

struct SBadWrite { const char* szName; bool bSjis; std::string strText; bool bUtf8; };

TEST_F(SafeWrite, FailedWriteLeavesTheOldFile)
{
    const SBadWrite kCases[] = {
        {"invalidUtf8", false, "a\xFF", true},
        {"unencodable", true, "a\xF0\x9F\x98\x80", true},
        {"invalidSjis", true, "a\x82", false},
        {"invalidUtf8ForSjis", true, "a\xE3\x81", true},
    };
    const std::string strPath = m_folder / "keep.csv";
    const std::string strOld = "old,\x82\xA0\r\n";
    for (const SBadWrite& c : kCases) {
        WriteBytes(strPath, strOld);
        std::string strText = c.strText;
        const bool bOk = c.bSjis ? CLCCbCCommon::writeSJISFile(strPath.c_str(), strText.c_str(), c.bUtf8)
                                 : CLCCbCCommon::WriteFileData(strPath.c_str(), strText);
        EXPECT_FALSE(bOk) << c.szName;
        EXPECT_EQ(ReadBytes(strPath), strOld) << c.szName;
        EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.Path()), fs::directory_iterator()), 1) << c.szName;
    }
}

// The text ends at its first zero byte: what follows it is neither written nor
// judged, what comes before it must be UTF-8 wherever it falls against the
// eight-byte steps of the check.
TEST_F(SafeWrite, WritesUpToTheFirstZeroByte)
{
    const std::string strPath = m_folder / "zero.xml";
    const std::string strZero(1, '\0');
    for (size_t nAt = 0; nAt <= 17; ++nAt) {
        const std::string strHead = std::string(nAt, 'a') + "\xE3\x81\x82";
        const std::string strLong = strHead + std::string(9, 'b');
        const struct {
            std::string strText;
            bool bWritten;
            std::string strFile;   // the file's bytes afterwards
        } kCases[] = {
            {strHead + strZero + "\xFF", true, strHead},
            {strLong, true, strLong},
            {strZero + strHead, true, ""},
            {std::string(nAt, 'a') + "\xFF" + strZero, false, "old"},
            {std::string(nAt, 'a') + "\xE3" + strZero + "\x81\x82", false, "old"},   // a character cut by the zero
        };
        for (const auto& c : kCases) {
            WriteBytes(strPath, "old");
            std::string strText = c.strText;
            EXPECT_EQ(CLCCbCCommon::WriteFileData(strPath.c_str(), strText), c.bWritten) << nAt;
            EXPECT_EQ(ReadBytes(strPath), c.strFile) << nAt;
        }
    }
}

TEST_F(SafeWrite, FailsWhenTheFolderIsMissingOrTheTargetIsAFolder)
{
    std::string strText = "x";
    EXPECT_FALSE(CLCCbCCommon::WriteFileData((m_folder / "no/such/out.xml").c_str(), strText));
    fs::create_directory(m_folder / "sub");
    EXPECT_FALSE(CLCCbCCommon::WriteFileData((m_folder / "sub").c_str(), strText));
    EXPECT_TRUE(fs::is_directory(m_folder / "sub"));
    EXPECT_FALSE(CLCCbCCommon::WriteFileData(nullptr, strText));
    EXPECT_FALSE(CLCCbCCommon::writeSJISFile((m_folder / "a.csv").c_str(), nullptr, false));
}

TEST_F(SafeWrite, UnwritableFolderLeavesTheOldFile)
{
    const std::string strPath = m_folder / "keep.xml";
    WriteBytes(strPath, "old");
    fs::permissions(m_folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    std::ofstream probe(m_folder / "probe");
    if (probe) {
        probe.close();
        fs::remove(m_folder / "probe");
        GTEST_SKIP() << "folder permissions do not bind this user (root)";
    }
    std::string strText = "new";
    EXPECT_FALSE(CLCCbCCommon::WriteFileData(strPath.c_str(), strText));
    EXPECT_EQ(ReadBytes(strPath), "old");
}

TEST_F(SafeWrite, WriteErrorLeavesTheOldFileAndNoTemporary)
{
    // A file-size limit makes the write itself fail, for root too.
    const std::string strPath = m_folder / "keep.xml";
    WriteBytes(strPath, "old");
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto fnOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string strText(1000, 'n');
    const bool bOk = CLCCbCCommon::WriteFileData(strPath.c_str(), strText);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, fnOldHandler);
    EXPECT_FALSE(bOk);
    EXPECT_EQ(ReadBytes(strPath), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.Path()), fs::directory_iterator()), 1);
}

// The gate is asked once the bytes are on disk; only its yes lets them take the name.
TEST_F(SafeWrite, GateDecidesTheReplacement)
{
    const struct {
        const char* szName;
        std::function<bool()> fnGate;
        bool bReplaced;
    } kCases[] = {
        {"yes", [] { return true; }, true},
        {"no", [] { return false; }, false},
        {"throws", []() -> bool { throw std::runtime_error("gate"); }, false},
    };
    const std::string strPath = m_folder / "gated.xml";
    for (const auto& c : kCases) {
        WriteBytes(strPath, "old");
        std::string strText = "new";
        int nAsked = 0;
        const auto fnGate = [&] {
            ++nAsked;
            EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.Path()), fs::directory_iterator()), 2) << c.szName;
            return c.fnGate();
        };
        EXPECT_EQ(CLCCbCCommon::WriteFileData(strPath.c_str(), strText, fnGate), c.bReplaced) << c.szName;
        EXPECT_EQ(nAsked, 1) << c.szName;
        EXPECT_EQ(ReadBytes(strPath), c.bReplaced ? "new" : "old") << c.szName;
        EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.Path()), fs::directory_iterator()), 1) << c.szName;
    }
}

TEST_F(SafeWrite, KeepsThePermissionsOfAnExistingFile)
{
    const std::string strPath = m_folder / "perm.xml";
    WriteBytes(strPath, "old");
    fs::permissions(strPath, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string strText = "new";
    ASSERT_TRUE(CLCCbCCommon::WriteFileData(strPath.c_str(), strText));
    EXPECT_EQ(fs::status(strPath).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// ---- listing and paths ----

TEST(FolderListing, SortedByBytesWithoutDotNames)
{
    CTestFolder folder;
    for (const char* szName : {"b.csv", ".hidden", ".DS_Store", "a.csv", "B.csv", "\xE3\x81\x82.csv"})
        WriteBytes(folder / szName, "x");
    fs::create_directory(folder / "02_GLOBEBody");
    fs::create_directory(folder / ".git");

    std::vector<std::vector<std::string>> vecRows = {{"stale", "2"}};
    ASSERT_TRUE(CLCCbCCommon::getFolderFilelist(folder.Path().string(), vecRows));
    const std::vector<std::vector<std::string>> kExpected = {
        {"02_GLOBEBody", "1"}, {"B.csv", "2"}, {"a.csv", "2"}, {"b.csv", "2"}, {"\xE3\x81\x82.csv", "2"}};
    EXPECT_EQ(vecRows, kExpected);
}

TEST(FolderListing, LinksAreFollowed)
{
    CTestFolder folder;
    WriteBytes(folder / "a.csv", "x");
    fs::create_directory(folder / "02_GLOBEBody");
    fs::create_directory_symlink(folder / "02_GLOBEBody", folder / "d");
    fs::create_symlink(folder / "a.csv", folder / "f.csv");
    std::vector<std::vector<std::string>> vecRows;
    ASSERT_TRUE(CLCCbCCommon::getFolderFilelist(folder.Path().string(), vecRows));
    const std::vector<std::vector<std::string>> kExpected = {
        {"02_GLOBEBody", "1"}, {"a.csv", "2"}, {"d", "1"}, {"f.csv", "2"}};
    EXPECT_EQ(vecRows, kExpected);
}

TEST(FolderListing, FailureKeepsTheCallersRows)
{
    CTestFolder folder;
    std::vector<std::vector<std::string>> vecRows = {{"kept", "2"}};
    EXPECT_FALSE(CLCCbCCommon::getFolderFilelist(folder / "missing", vecRows));
    EXPECT_EQ(vecRows, (std::vector<std::vector<std::string>>{{"kept", "2"}}));

    std::vector<std::vector<std::string>> vecEmpty = {{"old", "2"}};
    EXPECT_TRUE(CLCMacOSNative::getFilesUnderFolder(folder.Path().string(), vecEmpty));
    EXPECT_TRUE(vecEmpty.empty());
}

TEST(PathChecks, AnswerLikeThePlatform)
{
    CTestFolder folder;
    const std::string strFile = folder / "a.csv";
    WriteBytes(strFile, "12345");
    EXPECT_TRUE(CLCCbCCommon::PathFileExists(strFile.c_str()));
    EXPECT_FALSE(CLCCbCCommon::PathFileExists(folder.Path().c_str()));
    EXPECT_FALSE(CLCCbCCommon::PathFileExists(nullptr));
    EXPECT_TRUE(CLCCbCCommon::PathDirectoryExistsNoEdit(folder.Path().c_str()));
    EXPECT_FALSE(CLCCbCCommon::PathDirectoryExistsNoEdit(strFile.c_str()));
    EXPECT_TRUE(CLCCbCCommon::PathDirectoryExists((folder / "out.xml").c_str()));
    EXPECT_TRUE(CLCCbCCommon::PathDirectoryExists((folder / "sub/").c_str()));
    EXPECT_FALSE(CLCCbCCommon::PathDirectoryExists((folder / "none/out.xml").c_str()));
    EXPECT_FALSE(CLCCbCCommon::PathDirectoryExists("out.xml"));
    EXPECT_TRUE(CLCCbCCommon::PathDirectoryExists("/out.xml"));
    EXPECT_TRUE(CLCCbCCommon::PathFileIsRead(strFile.c_str()));
    EXPECT_FALSE(CLCCbCCommon::PathFileIsRead((folder / "missing").c_str()));
    EXPECT_EQ(CLCCbCCommon::GetFileSize(strFile.c_str()), 5);
    EXPECT_EQ(CLCCbCCommon::GetFileSize((folder / "missing").c_str()), -1);
    EXPECT_EQ(CLCCbCCommon::GetFileSizeULL(strFile.c_str()), 5u);
    EXPECT_EQ(CLCCbCCommon::GetFileSizeULL((folder / "missing").c_str()), UINT64_MAX);
}

TEST(AppendFilePath, JoinsWithOneSeparator)
{
    EXPECT_EQ(CLCMacOSNative::appendFilePath("/home/u", "a.log"), "/home/u/a.log");
    EXPECT_EQ(CLCMacOSNative::appendFilePath("/home/u/", "a.log"), "/home/u/a.log");
    EXPECT_EQ(CLCMacOSNative::appendFilePath("/", "a.log"), "/a.log");
    EXPECT_EQ(CLCMacOSNative::appendFilePath("", "a.log"), "a.log");
    EXPECT_EQ(CLCMacOSNative::appendFilePath("/home/u", nullptr), "/home/u");
    EXPECT_EQ(CLCMacOSNative::appendFilePath(nullptr, "a.log"), "");
}

TEST(CharacterLength, CountsUtf16Units)
{
    EXPECT_EQ(CLCMacOSNative::getCharacterLength("\xF0\xA0\x80\x8B"), 2);   // 𠀋
    EXPECT_EQ(CLCMacOSNative::getCharacterLength("\xE3\x81\x82" "a"), 2);   // あa
    EXPECT_EQ(CLCMacOSNative::getCharacterLength(""), 0);
    EXPECT_EQ(CLCMacOSNative::getCharacterLength(nullptr), 0);
    EXPECT_EQ(CLCMacOSNative::getCharacterLength("ab\xFF"), 0);
    EXPECT_EQ(CLCMacOSNative::getCharacterLength("ab\xE3\x81"), 0);
}

// ---- environment ----

TEST(HomeFolder, FollowsHome)
{
    CEnvVar home("HOME");
    setenv("HOME", "/tmp/tesvant-home-a", 1);
    const char* szA = CLCCbCCommon::getHomeDirectory();
    setenv("HOME", "/tmp/tesvant-home-b", 1);
    EXPECT_STREQ(CLCCbCCommon::getHomeDirectory(), "/tmp/tesvant-home-b");
    EXPECT_STREQ(szA, "/tmp/tesvant-home-a");   // earlier answers stay valid
    unsetenv("HOME");
    const std::string strFromPasswd = CLCCbCCommon::getHomeDirectory();
    EXPECT_FALSE(strFromPasswd.empty());
}

TEST(TemporaryFolder, FollowsTmpdirElseTmp)
{
    CEnvVar tmpdir("TMPDIR");
    setenv("TMPDIR", "/tmp/tesvant-tmp", 1);
    EXPECT_EQ(CLCMacOSNative::temporaryDirectory(), "/tmp/tesvant-tmp");
    unsetenv("TMPDIR");
    EXPECT_EQ(CLCMacOSNative::temporaryDirectory(), "/tmp");
}

TEST(DefinitionResource, NoneOnThisBuild)
{
    EXPECT_EQ(CLCMacOSNative::getDefinitionResource(203), "");
}

TEST(FolderChooser, InjectedChooserDecides)
{
    std::string strSeenStart;
    CLCMacOSNative::SetFolderChooser([&](const char* szStart, std::string& strChosen) {
        strSeenStart = szStart;
        strChosen = "/chosen";
        return 1;
    });
    std::string strChosen;
    EXPECT_TRUE(CLCCbCCommon::getFolderPath("/start", strChosen));
    EXPECT_EQ(strChosen, "/chosen");
    EXPECT_EQ(strSeenStart, "/start");

    CLCMacOSNative::SetFolderChooser([](const char*, std::string&) { return 0; });
    strChosen = "untouched";
    EXPECT_TRUE(CLCCbCCommon::getFolderPath("/start", strChosen));
    EXPECT_EQ(strChosen, "untouched");

    CLCMacOSNative::SetFolderChooser([](const char*, std::string&) { return -1; });
    EXPECT_FALSE(CLCCbCCommon::getFolderPath("/start", strChosen));
    CLCMacOSNative::SetFolderChooser(nullptr);
}

TEST(FolderChooser, WithoutADisplayItIsCancelled)
{
    CEnvVar display("DISPLAY"), wayland("WAYLAND_DISPLAY");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    CLCMacOSNative::SetFolderChooser(nullptr);
    std::string strChosen = "untouched";
    EXPECT_TRUE(CLCCbCCommon::getFolderPath("/tmp", strChosen));
    EXPECT_EQ(strChosen, "untouched");
}

TEST(FolderChooser, DefaultRunsZenityWithoutATerminal)
{
    CTestFolder folder;
    const std::string strScript = folder / "zenity";
    // Echoes the start folder it was given; fails with 7 if stdin were readable.
    WriteBytes(strScript,
               "#!/bin/sh\n"
               "if read line; then exit 7; fi\n"
               "case \"$3\" in\n"
               "  --filename=/pick/) printf '/home/u/\\343\\201\\202 dir\\n'; exit 0;;\n"
               "  --filename=/cancel/) exit 1;;\n"
               "  *) exit 5;;\n"
               "esac\n");
    fs::permissions(strScript, fs::perms::owner_all);
    CEnvVar path("PATH"), display("DISPLAY");
    setenv("PATH", folder.Path().c_str(), 1);
    setenv("DISPLAY", ":99", 1);
    CLCMacOSNative::SetFolderChooser(nullptr);

    std::string strChosen = "untouched";
    EXPECT_TRUE(CLCCbCCommon::getFolderPath("/pick", strChosen));
    EXPECT_EQ(strChosen, "/home/u/\xE3\x81\x82 dir");
    strChosen = "untouched";
    EXPECT_TRUE(CLCCbCCommon::getFolderPath("/cancel", strChosen));
    EXPECT_EQ(strChosen, "untouched");
    EXPECT_FALSE(CLCCbCCommon::getFolderPath("/other", strChosen));
    EXPECT_EQ(strChosen, "untouched");
}

} // namespace
