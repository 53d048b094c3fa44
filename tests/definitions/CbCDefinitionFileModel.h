#pragma once
#include <map>
#include <string>
#include <vector>

// A shipped CbC definition file read independently of the engine that uses it,
// so the data can be checked on its own: libxml2 decodes it as strict CP932 and
// the elements are copied into plain structures.
namespace cbcdef {

using AttrMap = std::map<std::string, std::string>;

struct SOuter {
    std::string strKeyword;
    std::string strValue;
    long lColumn = 0;   // 1-based; 0 = attribute missing
};

struct SRule {
    std::string strKeyword;
    AttrMap attrs;      // every attribute of the valid element
    long lColumn = 0;   // 1-based override; 0 = the item's column
    long lAssist = 0;
    std::vector<SOuter> vecOuters;
};

struct SItem {
    AttrMap attrs;
    std::vector<SRule> vecRules;
    int nOtherChildren = 0;   // element children that are not "valid"
};

struct SReport {
    AttrMap attrs;
    std::vector<SItem> vecItems;
    bool bCommentBefore = false;   // a comment is the nearest non-blank node before it
};

struct SDefinitionFile {
    std::string strRaw;        // the file's bytes
    std::string strRootName;
    AttrMap rootAttrs;
    std::vector<SReport> vecReports;
    int nOtherRootChildren = 0;
};

// File name of a definition id ("" for an id without a file).
std::string DefinitionFileName(unsigned nId);
std::string DefinitionPath(unsigned nId);

// Reads a file's bytes; false when it cannot be read.
bool ReadBytes(const std::string& strPath, std::string& strBytes);

// Parses bytes with libxml2 under the given encoding (empty: the declared one).
// False with libxml2's message when the text does not decode or is not well-formed.
bool ParseWithLibxml2(const std::string& strBytes, const char* szEncoding, std::string& strError);

// Parses a file with xerces-c the way the engine's DOM reader does (declared
// encoding, no validation). False with the parser's first message.
bool ParseWithXerces(const std::string& strPath, std::string& strError);

// Loads a shipped definition (forced CP932). False with a reason.
bool LoadDefinition(unsigned nId, SDefinitionFile& def, std::string& strError);

std::string Attr(const AttrMap& attrs, const char* szName);
bool HasAttr(const AttrMap& attrs, const char* szName);
long AttrLong(const AttrMap& attrs, const char* szName);   // 0 when missing

// One line per item for comparing rule sets: "exist; length 13 [number@5]; ...".
std::string RuleSignature(const SItem& item);
std::string RuleSignature(const SRule& rule);

// The item with this id; with an empty id the first item without id. Null when none.
const SItem* FindItem(const SReport& report, const std::string& strId);
const SItem* FindItemByColumn(const SReport& report, long lColumn);

} // namespace cbcdef
