#pragma once
#include <string>

class CLCGIRContainer;

// Writes the start tag of a structure element ("tag_Type"), with its first
// attribute when the definition names one; it never has a value of its own.
class CLCGIRXmlDataTypeTag {
public:
    virtual ~CLCGIRXmlDataTypeTag() = default;
    // "" after recording the fatal row, also for an attribute whose definition
    // gives both a value column and a fixed value, or neither.
    std::string WriteNode(CLCGIRContainer* pContainer);
};
