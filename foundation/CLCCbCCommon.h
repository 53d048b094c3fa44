#pragma once
#include "foundation/CLCCbCMessage.h"
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Static helpers and the process-wide execution mode. Bodies are spread over
// CLCCbCCommon*.cpp by concern; the class has no instance data.
class CLCCbCCommon {
public:
    enum EXEC_MODE : int32_t {
        EXEC_MODE_NONE = 0,
        EXEC_MODE_APPENDIX_TABLE = 1,
        EXEC_MODE_CBC_REPORT = 2,
        EXEC_MODE_CBC_REPORT2 = 3,
        EXEC_MODE_GIR = 4,
        EXEC_MODE_GIR_APPENDIX_TABLE = 5,
        EXEC_MODE_FILE = 6
    };

    CLCCbCCommon() = default;
    virtual ~CLCCbCCommon() = default;

    // Execution mode.
    static void setExecMode(EXEC_MODE mode);
    static EXEC_MODE getExecMode();
    static bool isGIRProcessMode();

    // Date and time in local time. Pictures use the Unicode letters y, M, d, H,
    // m, s with quoted literals. Null pictures count as empty; both empty gives "".
    static std::string Now(const char* datePicture, const char* timePicture);
    // Formats both pictures from one clock reading, so a date and a time taken
    // together can never straddle midnight.
    static void NowParts(const char* datePicture, const char* timePicture,
                         std::string& strDate, std::string& strTime);

    // Strings. StringTrim removes the build's white space and line breaks
    // (CLCPlatformTraits::kTrimSet, U+3000 included) from both ends; "" for null. stringSplit splits at every
    // byte of strDelimiters. ConvEntityRefs appends the XML-escaped bytes to
    // strOut without clearing it. isNumber: ASCII digits only, true for "".
    static std::string StringTrim(const char* szText);
    // The same trim as a view into the text, for callers that copy it anyway.
    static std::string_view StringTrimView(std::string_view svText);
    static std::vector<std::string> stringSplit(const std::string& strText, const std::string& strDelimiters);
    static void ConvEntityRefs(const char* pData, unsigned long ulLength, std::string& strOut);
    static bool isNumber(const std::string& strText);

    // Regular expressions (ECMAScript). Patterns are compiled once and cached by
    // their text. A pattern that does not compile is logged and thrown as
    // std::runtime_error.
    static bool strPatternMatch(const char* szText, const char* szPattern);
    static bool StrPatternSearch(const char* szText, const char* szPattern);

    // Numbers in GIR file names. Head: throws after logging when no number can be
    // read. Tail: -1 when there is none or it does not fit a long; throws for an
    // empty number part.
    static long GetHeadNumOfFilename(const char* szName);
    static long GetTailNumOfFilename(const char* szName);

    // Message catalogue lookups (first match wins).
    static CLCCbCMessage_t ConvMsgStr2Enum(const std::string& strCode);
    static std::string ConvEnID2Msg(CLCCbCMessage_t msg);
    static std::string ConvEnMsg2strMsg(CLCCbCMessage_t msg);
    // The code of a message ("" when the value is not in the catalogue).
    static std::string ConvEnID2Code(CLCCbCMessage_t msg);

    // Definition files by identifier: a readable path, or "" (in the Windows
    // build the definition's own bytes, taken from the program's resources).
    static std::string LoadResoucePath(unsigned short usId, const char* szType);
    // The definition's text decoded from Shift_JIS to UTF-8, wherever the build
    // keeps it; "" when it is not served, missing or not Shift_JIS.
    static std::string LoadDefinitionText(unsigned short usId);

    // File wrappers over the platform layer; they log nothing. Writes replace
    // the file whole or not at all: false on any failure, the old file unchanged.
    // getFolderFilelist replaces vecRows ({name, "1" folder / "2" other}, sorted
    // by byte order, no names starting with ".") only when it answers true.
    // getHomeDirectory's text lives as long as the process.
    static bool getFolderFilelist(const std::string& strFolder, std::vector<std::vector<std::string>>& vecRows);
    static long GetFileSize(const char* szPath);
    static uint64_t GetFileSizeULL(const char* szPath);
    static std::string ReadFileData(const char* szPath);
    static std::string ReadCsvFileData(const char* szPath);
    static bool PathFileExists(const char* szPath);
    static bool PathFileIsRead(const char* szPath);
    static bool PathDirectoryExists(const char* szPath);
    static bool PathDirectoryExistsNoEdit(const char* szPath);
    // fnMayReplace: see CLCPlatformSystem::WriteFileSafely.
    static bool WriteFileData(const char* szPath, std::string& strText, const std::function<bool()>& fnMayReplace = {});
    static bool writeSJISFile(const char* szPath, const char* szText, bool bTextIsUtf8);
    static const char* getHomeDirectory();
    static bool getFolderPath(const char* szInitialFolder, std::string& strChosen);

private:
    static EXEC_MODE m_execMode;
};
