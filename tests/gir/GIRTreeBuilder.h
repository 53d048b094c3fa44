#pragma once
// Builds GIR container trees by hand for the rule and generator tests, in the
// shape the folder intake gives them: no gtest here, so the benchmark shares it.
#include <string>
#include <vector>

class CLCGIRContainer;

// One row of a GIR CSV file: the folder file it comes from ("01_MessageSpec.csv",
// "01_FilingInfo.csv", "03_Summary_2.csv", ...) and its six columns. Its line
// is its position among the rows of its file, from 1.
struct SGIRRow {
    std::string strFile;
    std::string strName;
    std::string strValue;
    std::string strAttr1;
    std::string strAttr2;
    std::string strAttr3;
    std::string strLevel;
};

namespace girtree {

// A fresh GIR run: mode 4, a new collector, data manager and property manager
// with the shipped definitions 210 and 211. Throws when they do not load.
void StartRun();
// Drops every singleton of the run.
void EndRun();

// Builds the tree of the rows in the data manager: the root, the MessageSpec
// and body-file nodes and the 02_GLOBEBody folder node as the data manager
// makes them, linked by level; every node mapped onto 210 by name under its
// parent's element; the automatic items inserted at their definition places;
// the check list made. Throws with the row that cannot be placed.
void Build(const std::vector<SGIRRow>& vecRows);

// The rows of one file from CSV-shaped lines "name,value,attr1,attr2,attr3,level"
// (no quoting; lines split at "\n").
std::vector<SGIRRow> Rows(const std::string& strFile, const std::string& strLines);
// Replaces the check definition by one holding the given sections.
void UseCheckDefinition(const std::string& strSections);
// The n-th node (in check-list order) of an item id; throws when there is none.
CLCGIRContainer* Node(const std::string& strItemId, size_t n = 0);
// One error entry as ErrorText shows a file with this single row ("" names
// "その他").
std::string Entry(const std::string& strFile, long lLine, long lColumn, const char* szCode);
// The error text of rows on nodes, as ErrorText shows it when the files
// involved sort by name as they do by group (a row on the root is filed under
// "その他").
struct SRowOn {
    const CLCGIRContainer* pNode;
    long lColumn;
    std::string strCode;
};
std::string Expected(const std::vector<SRowOn>& vecRows);
// The text of a run that met the fatal row only.
constexpr const char* kFatalOnly = "その他: 00000000-00000-HE60000E";

// Every file's error text as "file: text" lines in the collector's file order;
// consumes the collector's rows. "" when there are none.
std::string ErrorText();

// A fully populated folder that passes every rule of 211: every element of
// 210 once (the first member of each choice group, no automatic item), valid
// codes, one FilingInfo and GeneralSection and the given numbers of the
// repeated sections. bNewData: a GIR101 message of new documents without
// CorrDocRefId; otherwise GIR102 corrections that name the corrected documents.
struct SCleanFolder {
    int nSummaries = 1;
    int nJurisdictions = 1;
    int nUtprs = 1;
    bool bNewData = false;
};
std::vector<SGIRRow> CleanFolderRows(const SCleanFolder& folder);

// The corporate number and message reference id of the clean folder.
constexpr const char* kHojinNo = "7000012050002";
constexpr const char* kMessageRefId = "JP20257000012050002001";

} // namespace girtree
