#pragma once
#include <string>

class CLCGIRContainer;

// Writes a value element: the start tag with its non-empty attributes (at most
// three, in definition order) and the escaped value; the end tag is the
// generator's.
class CLCGIRXmlDataTypeNormal {
public:
    // "" after recording the fatal row.
    std::string WriteNode(CLCGIRContainer* pContainer);
    // The same appended to strOut; false (strOut as it was) after recording
    // the fatal row.
    bool AppendNode(CLCGIRContainer* pContainer, std::string& strOut);
    // The value of attribute n (1 to 3): its fixed value as it stands, else the
    // escaped text of its CSV column ("" when that is empty). bOk is false
    // after recording the fatal row: no node, or a column that is no number
    // from 1 to 6.
    static std::string GetAtterValue(CLCGIRContainer* pContainer, long n, bool& bOk);
    // The CSV column an attribute's column setting names: false unless the
    // setting starts with a number (blanks and a sign may lead); lColumn may
    // still be no column at all.
    static bool AttributeColumn(const std::string& strSetting, long& lColumn);
};
