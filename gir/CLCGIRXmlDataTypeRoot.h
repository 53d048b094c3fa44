#pragma once
#include <string>

class CLCGIRContainer;

// Writes the start tag of the document element: its first attribute and the
// three namespace declarations of the GIR schema.
class CLCGIRXmlDataTypeRoot {
public:
    virtual ~CLCGIRXmlDataTypeRoot() = default;
    // "" after recording the fatal row.
    std::string WriteNode(CLCGIRContainer* pContainer);
};
