#pragma once
#include <string>

class CLCGIRContainer;

// Writes the start tag of the message time stamp and the local date and time
// of the generation (yyyy-MM-ddTHH:mm:ss, one clock reading); the element's own
// value and attributes are ignored.
class CLCGIRXmlDataTypeTimeStamp {
public:
    virtual ~CLCGIRXmlDataTypeTimeStamp() = default;
    // "" after recording the fatal row.
    std::string WriteNode(CLCGIRContainer* pContainer);
};
