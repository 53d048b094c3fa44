#pragma once
#include "foundation/CLCCbCMessage.h"
#include "gir/CLCFileInfo.h"
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CLCCbCValidItem;

// The rule set of CLCGIRValidFileStruct::Initialize: 7, the extension and
// existence rules of one CSV file, is the only one.
enum CLCFileStructValid_t : int32_t {
    FILE_STRUCT_VALID_BASIC_CSV = 7
};

// The layout check of a GIR folder: the message header and the sub-folder
// "02_GLOBEBody" in the chosen folder, the numbered body files in the
// sub-folder, nothing in the wrong place and nothing unknown. Each finding is
// one row of the GIR collector under the entry's name, or "その他" for the
// folder as a whole (line 0, column 0). The listings of both folders end up in
// the controller's list (not owned), top folder first.
//
// Every operation catches what it meets: the fatal row is recorded and the
// operation answers false or HE60000E; a fatal answer ends the whole check.
class CLCGIRValidFileStruct {
public:
    // The sum of the file sizes that GIRFolderCheck accepts (65 MiB).
    static constexpr uint64_t kMaxTotalFileSize = 0x4100000;

    // Empties the controller's list.
    explicit CLCGIRValidFileStruct(std::vector<CLCFileInfo_t>* pFileInfo);
    virtual ~CLCGIRValidFileStruct();
    CLCGIRValidFileStruct(const CLCGIRValidFileStruct&) = delete;
    CLCGIRValidFileStruct& operator=(const CLCGIRValidFileStruct&) = delete;

    // Rebuilds the file rules; any other kind records the fatal row.
    bool Initialize(CLCFileStructValid_t kind);
    // The file rules on the value (a full path); rows go under the file name.
    CLCCbCMessage_t ValidateItem(const char* szFileName, const char* szValue, long lLine, long lColumn);
    // Every step runs; true only when none reported anything. A folder that
    // cannot be listed gives ("その他", HE60041E, 99999999, 1) and nothing else.
    bool ValidateFileStruct(const char* szFolder);
    // One entry per listed name (sorted bytewise, hidden names left out);
    // false with vecOut untouched when the folder cannot be listed.
    bool getFileList(const char* szFolder, std::vector<CLCFileInfo_t>& vecOut);

    CLCCbCMessage_t chk2MessageSpecFile(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk3GLOBEBodyFolder(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk4NotExistFileRefFolder(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk5ExistUnknownFileRefFolder(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk6FilingInfoFile(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk7GeneralSectionFile(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk8SummaryFile(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk9JurisdictionSectionFile(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk10UTPRAttributionFile(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk11NotExistFileSubFolder(std::vector<CLCFileInfo_t>& vecEntries);
    CLCCbCMessage_t chk12ExistUnknownFileSubFolder(std::vector<CLCFileInfo_t>& vecEntries);

    // A kind of which at most one file may pass its rules (a second one gives
    // HE60043E at once); a required kind without any gives ("その他", HE60044E).
    CLCCbCMessage_t CheckSingleFile(std::vector<CLCFileInfo_t>& vecEntries, const char* szPattern,
                                    long* plCounter, bool bRequired);
    // An optional numbered kind: the numbers must be exactly 1 to n (HE60042E
    // for a number below 1 and for the first file out of sequence).
    CLCCbCMessage_t CheckMultiFile(std::vector<CLCFileInfo_t>& vecEntries, const char* szPattern, long* plCounter);
    // Each file matching the table gives HE60043E under its name.
    CLCCbCMessage_t CheckExistNGFile(std::vector<CLCFileInfo_t>& vecEntries, const std::vector<std::string>& vecTable);
    // Any entry matching none of the table gives one ("その他", HE60042E). A
    // name counts only for its kind of entry: a folder is known only as the
    // body folder of the chosen folder, a file never by the body folder's name
    // inside the body folder; nothing else would read such an entry.
    CLCCbCMessage_t CheckExistUnknownFile(std::vector<CLCFileInfo_t>& vecEntries,
                                          const std::vector<std::string>& vecTable, bool bSubFolder = false);
    // The number between the last "_" and the last "."; -1 when there is none
    // or it does not fit a long.
    long GetSubNumberOfFilename(const char* szFileName);
    // Numbers in ascending order against 1, 2, 3, ...: the first that differs
    // gives HE60042E under its name.
    bool CheckSubNumberOfFilename(const std::multimap<long, std::string>& mapNumbers);

    // The files of the list add up to at most kMaxTotalFileSize bytes, else
    // ("その他", HE60035E). A size that cannot be read records the fatal row.
    static bool CheckTotalFileSize(const std::vector<CLCFileInfo_t>& vecEntries);
    // Appends the files' names relative to the folder, each in double quotes,
    // joined by ",", "/" between sub-folder and file.
    static bool GetFileName(const char* szFolder, std::string& strNames, const std::vector<CLCFileInfo_t>* pEntries);

private:
    // The file rules on one matching entry; a failure rejects it.
    CLCCbCMessage_t CheckFileRules(CLCFileInfo_t& entry);
    // Every file whose name matches, its mark reset, through the file rules;
    // a rule failure goes to result and the walk goes on. Each file that passes
    // goes to fnPassed, whose answer, when it gives one, ends the walk. Answers
    // that answer, or HE60000E after the fatal row, or nothing.
    std::optional<CLCCbCMessage_t> WalkMatchingFiles(
        std::vector<CLCFileInfo_t>& vecEntries, const char* szPattern, CLCCbCMessage_t& result,
        const std::function<std::optional<CLCCbCMessage_t>(CLCFileInfo_t&)>& fnPassed);

    std::vector<std::unique_ptr<CLCCbCValidItem>> m_vValidItem;
    std::string m_strFolderPath;
    std::vector<CLCFileInfo_t>* m_pFileInfo;
    long m_lMessageSpec = 0;
    long m_lGLOBEBody = 0;
    long m_lFilingInfo = 0;
    long m_lGeneralSection = 0;
    long m_lSummary = 0;
    long m_lJurisdictionSection = 0;
    long m_lUTPRAttribution = 0;
};
