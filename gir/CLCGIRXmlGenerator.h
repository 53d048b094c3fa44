#pragma once
#include <cstddef>
#include <functional>
#include <string>

class CLCGIRContainer;

// Writes the mapped GIR tree as the GLOBE_OECD document, checks its size and
// well-formedness and writes it to the output file. Every failure is recorded
// on the GIR collector: a user error as its row, anything else as the fatal row.
class CLCGIRXmlGenerator {
public:
    // The size limit of a document, in bytes of UTF-8.
    static constexpr size_t kMaxXmlBytes = 0x1300000;

    virtual ~CLCGIRXmlGenerator() = default;

    // Appends the document of the tree under the root: each node in document
    // order, its start tag, value and children, then its end tag; no
    // declaration, no line breaks of its own. A value or attribute holding a
    // character that XML 1.0 forbids is reported as (its file, HE60011E, its
    // line, its column), every one of them, and nothing is appended. False
    // leaves strOut as it was. A document past kMaxXmlBytes is appended only
    // up to the node that passed the limit (CheckXmlSize refuses it).
    bool MakeXMLData(CLCGIRContainer* pRoot, std::string& strOut);
    // Appends the start of one node below the root, by the writer of its data type.
    bool CreatGIRNode(CLCGIRContainer* pContainer, std::string& strOut);
    std::string MakeXmlEndTag(CLCGIRContainer* pContainer);
    // At most kMaxXmlBytes; a longer text is emptied after HE60021E.
    bool CheckXmlSize(std::string& strXml);
    // Well-formed inside a wrapping element; emptied otherwise (the parser
    // records why).
    bool CheckXmlStruct(std::string& strXml);
    // Replaces the file whole or leaves it as it was: HE60020E when the write fails.
    bool OutputFileConvData(const char* szPath, const char* szXml);
    // The same for a document already held as a string: written without a copy.
    bool OutputFileConvData(const char* szPath, std::string& strXml);
    // CheckXmlStruct, then OutputFileConvData, with the same answers and rows,
    // the parse and the write side by side: the file takes the new text only
    // once the text has proved well-formed. fnMeanwhile runs on this thread
    // while the parse does, before the write.
    bool CheckXmlStructAndOutput(const char* szPath, std::string& strXml,
                                 const std::function<void()>& fnMeanwhile = {});

private:
    // CheckXmlStruct's parse alone; the text stays as it is.
    static bool IsWellFormed(const std::string& strXml);
    // Reports every written column of the node that holds a character XML 1.0
    // forbids; false when there was one.
    static bool CheckCharacters(const CLCGIRContainer* pContainer);
    // MakeXmlEndTag's text appended in place: one for every node of the document.
    static void AppendXmlEndTag(const CLCGIRContainer* pContainer, std::string& strOut);
};
