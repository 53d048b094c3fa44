#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The only platform-facing interface of the core. Paths and texts are UTF-8.
// One body per platform (CLCMacOSNative_<system>.cpp).
class CLCMacOSNative {
public:
    // A folder chooser: 1 chosen (strChosen set), 0 cancelled, -1 platform failure.
    using FolderChooser = std::function<int(const char* szInitialFolder, std::string& strChosen)>;

    static const char* homeDirectory();
    static std::string getBundlePathName(const char* szName);
    static bool pathFileExists(const char* szPath);
    static bool pathDirectoryExists(const char* szPath);
    static bool pathDirectoryExistsNoEdit(const char* szPath);
    static bool pathFileIsRead(const char* szPath);
    static long getFileSize(const char* szPath);
    static uint64_t getFileSizeULL(const char* szPath);
    static std::string readFile(const char* szPath);
    static std::string readFileSJIS(const char* szPath);
    static bool writeFile(const char* szPath, std::string& strText);
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
    static bool getFilesUnderFolder(const std::string& strFolder, std::vector<std::vector<std::string>>& vecRows);
    static bool getFolderPath(const char* szInitialFolder, std::string& strChosen);

    // Replaces the folder chooser (tests); an empty function restores the default.
    static void SetFolderChooser(FolderChooser fnChooser);

    // Text conversion (strict CP932). False when the input cannot be converted.
    static bool SjisToUtf8(const std::string& strSjis, std::string& strUtf8);
    static bool Utf8ToSjis(const std::string& strUtf8, std::string& strSjis);
    static bool IsValidUtf8(const std::string& strText);
};

// A parsed date (local civil time). dateStringToDate fills it and answers true
// when the text is a valid date in one of the accepted forms.
struct CLCDate {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
bool dateStringToDate(const std::string& strText, CLCDate& date);

class CLCBase64Data {
public:
    static bool Base64Encode(const char* szPath, std::string& strOut);
};
