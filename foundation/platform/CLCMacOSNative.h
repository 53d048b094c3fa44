#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The only platform-facing interface of the core. Paths and texts are UTF-8;
// Shift_JIS is code page 932, strict. One body per platform
// (CLCMacOSNative*_linux.cpp, windows/CLCMacOSNative*_windows.cpp) beside the
// portable parts (CLCMacOSNative*_common.cpp). Failures are answered by results
// (false, -1, ""); only the folder listing and chooser log, on unexpected errors.
class CLCMacOSNative {
public:
    // A folder chooser: 1 chosen (strChosen set), 0 cancelled, -1 the chosen
    // folder's path cannot be had; a dialog that cannot run throws.
    using FolderChooser = std::function<int(const char* szInitialFolder, std::string& strChosen)>;

    // $HOME, else the password database; the text lives as long as the process.
    static const char* homeDirectory();
    // The folder for temporary files (the Windows debug log lies there).
    static std::string temporaryDirectory();
    // The definition file of that name, as a path; "" where the build keeps
    // its definitions as resources.
    static std::string getBundlePathName(const char* szName);
    // The bytes of the definition resource usId up to their first zero byte;
    // "" where the build keeps its definitions as files, or when it is missing.
    static std::string getDefinitionResource(unsigned short usId);
    static bool pathFileExists(const char* szPath);
    static bool pathDirectoryExists(const char* szPath);
    static bool pathDirectoryExistsNoEdit(const char* szPath);
    static bool pathFileIsRead(const char* szPath);
    static long getFileSize(const char* szPath);
    static uint64_t getFileSizeULL(const char* szPath);
    static std::string readFile(const char* szPath);
    static std::string readFileSJIS(const char* szPath);
    // Writes are all or nothing: the text is checked (and converted) first, then
    // written to a temporary file beside the target, synced and renamed over it.
    // False on any failure, with the old file unchanged and no temporary left.
    // writeFile takes strText up to its first zero byte. writeSJISFile with
    // bTextIsUtf8 false writes the given bytes unchanged once they decode.
    // fnMayReplace: see CLCPlatformSystem::WriteFileSafely.
    static bool writeFile(const char* szPath, std::string& strText, const std::function<bool()>& fnMayReplace = {});
    static bool writeSJISFile(const char* szPath, const char* szText, bool bTextIsUtf8);
    // Now's combining rule: the time picture follows the date picture after one
    // space; both empty gives "".
    static std::string dateTimeNow(const char* szDatePicture, const char* szTimePicture);
    // Each picture formatted on its own from one clock reading (no space added).
    static void dateTimeNowParts(const char* szDatePicture, const char* szTimePicture,
                                 std::string& strDate, std::string& strTime);
    static bool dateTimeChange(const char* szText);
    static int dateTimeComp(const char* szA, const char* szB);
    static long getCharacterLength(const char* szText);
    static std::string appendFilePath(const char* szBase, const char* szName);
    static std::string stringByTrimming(std::string& strText);
    // Rows {name, "1" folder / "2" other}, sorted by the bytes of the name, no
    // names starting with "." (nor, in the Windows build, hidden entries);
    // false (rows emptied) when the folder cannot be read.
    static bool getFilesUnderFolder(const std::string& strFolder, std::vector<std::vector<std::string>>& vecRows);
    // True when chosen (strChosen set) or cancelled (untouched); false, logged,
    // when the chosen folder's path cannot be had; the chooser's exception
    // passes on.
    static bool getFolderPath(const char* szInitialFolder, std::string& strChosen);

    // Replaces the folder chooser (tests); an empty function restores the default.
    static void SetFolderChooser(FolderChooser fnChooser);

    // Text conversion (strict CP932). False when the input cannot be converted.
    static bool SjisToUtf8(const std::string& strSjis, std::string& strUtf8);
    static bool Utf8ToSjis(const std::string& strUtf8, std::string& strSjis);
    static bool IsValidUtf8(const std::string& strText);
};

// A parsed date (local civil time). dateStringToDate fills it and answers true
// when the text is a real date in one of the accepted forms: "yyyy/MM/dd" with
// "-" or "." allowed for "/", optionally " HH:mm:ss"; or a Japanese era date
// such as "令和7年1月31日" (元 for year 1) that lies within its era. On false the
// date is untouched.
struct CLCDate {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
bool dateStringToDate(const std::string& strText, CLCDate& date);

// Base64 of a whole file: RFC 4648, lines of 64 characters joined by CR LF
// (CLCPlatformTraits: the Windows build also ends the last line and refuses an
// empty file). False (logged, strOut untouched) when the file cannot be read.
class CLCBase64Data {
public:
    static bool Base64Encode(const char* szPath, std::string& strOut);
};
