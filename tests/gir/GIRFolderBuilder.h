#pragma once
// GIR folders for tests: the chosen folder with "01_MessageSpec.csv" and the
// sub-folder "02_GLOBEBody" holding the body files, each written as Shift_JIS
// (CP932) CSV with CR LF from rows given in UTF-8.
//
//   girtest::CGIRFolderBuilder gir(m_folder);            // <test folder>/gir and gir/02_GLOBEBody
//   gir.MessageSpec({{"6", "ReceivingCountry", "JP"}, {"6", "MessageRefId", "JP..."}})
//      .Body("01_FilingInfo.csv", {{"7", "FilingCE"}, {"8", "Name", "Sakura"}})
//      .Bytes("02_GLOBEBody/03_Summary_1.csv", "\x85\x40\r\n");   // anything, byte for byte
//   Run(gir.Path());
//
// A row is {level, element name, value, attribute 1, attribute 2, attribute 3}:
// the CSV columns 6, 1, 2, 3, 4, 5, so rows read like an indented outline.
// A value holding a comma, a quote or a line break is quoted. SGIRFolder holds
// a whole folder as data (change a row, drop a file, then Write it);
// MinimalFolder() is a small folder that passes every intake check.
#include "TestFolder.h"

#include <string>
#include <utility>
#include <vector>

namespace girtest {

struct SRow {
    SRow(std::string level, std::string name, std::string value = "", std::string attr1 = "",
         std::string attr2 = "", std::string attr3 = "")
        : strLevel(std::move(level)), strName(std::move(name)), strValue(std::move(value)),
          strAttr1(std::move(attr1)), strAttr2(std::move(attr2)), strAttr3(std::move(attr3))
    {
    }

    std::string strLevel;
    std::string strName;
    std::string strValue;
    std::string strAttr1;
    std::string strAttr2;
    std::string strAttr3;
};
using Rows = std::vector<SRow>;

// A whole folder: the message header's rows and the body files in order.
struct SGIRFolder {
    Rows messageSpec;
    std::vector<std::pair<std::string, Rows>> vecBodies;   // file name in 02_GLOBEBody, rows
};

// The CSV text of the rows (UTF-8, CR LF), and the same as CP932 bytes (throws
// when a character has no CP932 form).
std::string CsvText(const Rows& rows);
std::string Cp932(const std::string& strUtf8);

class CGIRFolderBuilder {
public:
    static constexpr const char* kBodyFolder = "02_GLOBEBody";

    // Makes <base>/<name> and, unless told not to, its 02_GLOBEBody.
    explicit CGIRFolderBuilder(const CTestFolder& base, const std::string& strName = "gir", bool bBodyFolder = true);

    // The chosen folder and its sub-folder, without a trailing "/".
    const std::string& Path() const { return m_strPath; }
    std::string BodyPath() const { return m_strPath + "/" + kBodyFolder; }

    CGIRFolderBuilder& MessageSpec(const Rows& rows);
    CGIRFolderBuilder& Body(const std::string& strFileName, const Rows& rows);
    // Relative to the chosen folder ("02_GLOBEBody/x.csv"); folders on the way are made.
    CGIRFolderBuilder& Csv(const std::string& strRelative, const Rows& rows);
    CGIRFolderBuilder& Bytes(const std::string& strRelative, const std::string& strBytes);
    CGIRFolderBuilder& Folder(const std::string& strRelative);
    CGIRFolderBuilder& Write(const SGIRFolder& folder);

private:
    std::string m_strPath;
};

// A folder that passes the folder, structure and tree steps: MessageSpec and
// FilingInfo with their required elements, automatic items left to the system.
SGIRFolder MinimalFolder();
// The minimal folder with its MessageSpec rows, or its FilingInfo rows, replaced.
SGIRFolder WithHeader(const Rows& rows);
SGIRFolder WithFilingInfo(const Rows& rows);

} // namespace girtest
