#include "definitions/CbCDefinitionFileModel.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace cbcdef {
namespace {

struct SFileName {
    unsigned nId;
    const char* szName;
};
constexpr SFileName kFileNames[] = {
    {203, "CbCValidateDefine.xml"},        {204, "CbCDataConvDefine.xml"},
    {205, "CbCValidateDefine2.xml"},       {206, "CbCDataConvDefine2.xml"},
    {208, "CbCDataConvDefine3.xml"},       {209, "CbCValidateDefine3.xml"},
    {213, "CbCDataConvDefine_AIA540.xml"}, {214, "CbCValidateDefine_AIA540.xml"},
};

void CollectLibxml2Error(void* pUser, xmlErrorPtr pError)
{
    auto* pText = static_cast<std::string*>(pUser);
    if (pError == nullptr || pError->level < XML_ERR_ERROR || !pText->empty())
        return;
    std::ostringstream os;
    os << "line " << pError->line << ": " << (pError->message ? pError->message : "(no message)");
    *pText = os.str();
}

// Parses under libxml2 with errors collected instead of printed.
xmlDocPtr ReadDocument(const std::string& strBytes, const char* szEncoding, std::string& strError)
{
    strError.clear();
    xmlSetStructuredErrorFunc(&strError, &CollectLibxml2Error);
    xmlParserCtxtPtr pContext = xmlNewParserCtxt();
    xmlDocPtr pDoc = nullptr;
    if (pContext != nullptr) {
        pDoc = xmlCtxtReadMemory(pContext, strBytes.data(), static_cast<int>(strBytes.size()), "definition.xml",
                                 szEncoding, XML_PARSE_NONET);
        if (pDoc != nullptr && !pContext->wellFormed) {
            xmlFreeDoc(pDoc);
            pDoc = nullptr;
        }
        xmlFreeParserCtxt(pContext);
    }
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    if (pDoc == nullptr && strError.empty())
        strError = "libxml2 gave no document";
    return pDoc;
}

std::string Name(xmlNodePtr pNode)
{
    return reinterpret_cast<const char*>(pNode->name);
}

AttrMap ReadAttrs(xmlNodePtr pNode)
{
    AttrMap attrs;
    for (xmlAttrPtr pAttr = pNode->properties; pAttr != nullptr; pAttr = pAttr->next) {
        xmlChar* pValue = xmlNodeListGetString(pNode->doc, pAttr->children, 1);
        attrs[reinterpret_cast<const char*>(pAttr->name)] = pValue ? reinterpret_cast<const char*>(pValue) : "";
        xmlFree(pValue);
    }
    return attrs;
}

bool IsBlankText(xmlNodePtr pNode)
{
    return pNode->type == XML_TEXT_NODE && xmlIsBlankNode(pNode);
}

bool CommentBefore(xmlNodePtr pNode)
{
    for (xmlNodePtr p = pNode->prev; p != nullptr; p = p->prev) {
        if (IsBlankText(p))
            continue;
        return p->type == XML_COMMENT_NODE;
    }
    return false;
}

SRule ReadRule(xmlNodePtr pValid)
{
    SRule rule;
    rule.attrs = ReadAttrs(pValid);
    rule.strKeyword = Attr(rule.attrs, "id");
    rule.lColumn = AttrLong(rule.attrs, "column");
    rule.lAssist = AttrLong(rule.attrs, "assist");
    for (xmlNodePtr p = pValid->children; p != nullptr; p = p->next) {
        if (p->type != XML_ELEMENT_NODE || Name(p) != "outer")
            continue;
        AttrMap attrs = ReadAttrs(p);
        rule.vecOuters.push_back({Attr(attrs, "id"), Attr(attrs, "value"), AttrLong(attrs, "column")});
    }
    return rule;
}

SItem ReadItem(xmlNodePtr pItem)
{
    SItem item;
    item.attrs = ReadAttrs(pItem);
    for (xmlNodePtr p = pItem->children; p != nullptr; p = p->next) {
        if (p->type != XML_ELEMENT_NODE)
            continue;
        if (Name(p) == "valid")
            item.vecRules.push_back(ReadRule(p));
        else
            ++item.nOtherChildren;
    }
    return item;
}

class CollectingHandler : public xercesc::ErrorHandler {
public:
    void warning(const xercesc::SAXParseException&) override {}
    void error(const xercesc::SAXParseException& e) override { Record(e); }
    void fatalError(const xercesc::SAXParseException& e) override { Record(e); }
    void resetErrors() override { m_strFirst.clear(); }
    const std::string& First() const { return m_strFirst; }

private:
    void Record(const xercesc::SAXParseException& e)
    {
        if (!m_strFirst.empty())
            return;
        xercesc::TranscodeToStr text(e.getMessage(), "UTF-8");
        std::ostringstream os;
        os << "line " << e.getLineNumber() << ": " << reinterpret_cast<const char*>(text.str());
        m_strFirst = os.str();
    }
    std::string m_strFirst;
};

} // namespace

std::string DefinitionFileName(unsigned nId)
{
    for (const SFileName& f : kFileNames) {
        if (f.nId == nId)
            return f.szName;
    }
    return "";
}

std::string DefinitionPath(unsigned nId)
{
    return std::string(TESVANT_DEFINITION_SOURCE_DIR) + "/" + DefinitionFileName(nId);
}

bool ReadBytes(const std::string& strPath, std::string& strBytes)
{
    std::ifstream in(strPath, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream os;
    os << in.rdbuf();
    strBytes = os.str();
    return true;
}

bool ParseWithLibxml2(const std::string& strBytes, const char* szEncoding, std::string& strError)
{
    xmlDocPtr pDoc = ReadDocument(strBytes, szEncoding, strError);
    if (pDoc == nullptr)
        return false;
    xmlFreeDoc(pDoc);
    return true;
}

bool ParseWithXerces(const std::string& strPath, std::string& strError)
{
    bool bOk = false;
    try {
        xercesc::XMLPlatformUtils::Initialize();
    } catch (...) {
        strError = "xerces-c did not initialise";
        return false;
    }
    {
        xercesc::XercesDOMParser parser;
        parser.setValidationScheme(xercesc::XercesDOMParser::Val_Never);
        parser.setDoNamespaces(false);
        parser.setLoadExternalDTD(false);
        CollectingHandler handler;
        parser.setErrorHandler(&handler);
        try {
            parser.parse(strPath.c_str());
            bOk = parser.getErrorCount() == 0 && handler.First().empty() && parser.getDocument() != nullptr
                  && parser.getDocument()->getDocumentElement() != nullptr;
            strError = handler.First();
        } catch (...) {
            strError = handler.First().empty() ? "xerces-c threw" : handler.First();
        }
    }
    xercesc::XMLPlatformUtils::Terminate();
    if (!bOk && strError.empty())
        strError = "xerces-c gave no document";
    return bOk;
}

bool LoadDefinition(unsigned nId, SDefinitionFile& def, std::string& strError)
{
    def = SDefinitionFile();
    const std::string strPath = DefinitionPath(nId);
    if (!ReadBytes(strPath, def.strRaw)) {
        strError = "cannot read " + strPath;
        return false;
    }
    xmlDocPtr pDoc = ReadDocument(def.strRaw, "CP932", strError);
    if (pDoc == nullptr)
        return false;
    xmlNodePtr pRoot = xmlDocGetRootElement(pDoc);
    def.strRootName = Name(pRoot);
    def.rootAttrs = ReadAttrs(pRoot);
    for (xmlNodePtr p = pRoot->children; p != nullptr; p = p->next) {
        if (p->type != XML_ELEMENT_NODE)
            continue;
        if (Name(p) != "report") {
            ++def.nOtherRootChildren;
            continue;
        }
        SReport report;
        report.attrs = ReadAttrs(p);
        report.bCommentBefore = CommentBefore(p);
        for (xmlNodePtr q = p->children; q != nullptr; q = q->next) {
            if (q->type == XML_ELEMENT_NODE && Name(q) == "item")
                report.vecItems.push_back(ReadItem(q));
        }
        def.vecReports.push_back(std::move(report));
    }
    xmlFreeDoc(pDoc);
    return true;
}

std::string Attr(const AttrMap& attrs, const char* szName)
{
    auto it = attrs.find(szName);
    return it == attrs.end() ? std::string() : it->second;
}

bool HasAttr(const AttrMap& attrs, const char* szName)
{
    return attrs.count(szName) != 0;
}

long AttrLong(const AttrMap& attrs, const char* szName)
{
    return std::strtol(Attr(attrs, szName).c_str(), nullptr, 10);
}

std::string RuleSignature(const SRule& rule)
{
    std::string strOut = rule.strKeyword;
    if (HasAttr(rule.attrs, "value"))
        strOut += " " + Attr(rule.attrs, "value");
    if (HasAttr(rule.attrs, "max"))
        strOut += " max=" + Attr(rule.attrs, "max");
    if (rule.lColumn != 0)
        strOut += " @" + std::to_string(rule.lColumn);
    if (rule.lAssist != 0)
        strOut += " assist=" + std::to_string(rule.lAssist);
    if (HasAttr(rule.attrs, "messageId"))
        strOut += " msg=" + Attr(rule.attrs, "messageId");
    if (rule.vecOuters.empty())
        return strOut;
    strOut += " [";
    for (size_t i = 0; i < rule.vecOuters.size(); ++i) {
        const SOuter& outer = rule.vecOuters[i];
        if (i != 0)
            strOut += ", ";
        strOut += outer.strKeyword + (outer.strValue.empty() ? "" : " " + outer.strValue) + "@"
                  + std::to_string(outer.lColumn);
    }
    return strOut + "]";
}

std::string RuleSignature(const SItem& item)
{
    std::string strOut;
    for (const SRule& rule : item.vecRules) {
        if (!strOut.empty())
            strOut += "; ";
        strOut += RuleSignature(rule);
    }
    return strOut;
}

const SItem* FindItem(const SReport& report, const std::string& strId)
{
    for (const SItem& item : report.vecItems) {
        if (strId.empty() ? !HasAttr(item.attrs, "id") : Attr(item.attrs, "id") == strId)
            return &item;
    }
    return nullptr;
}

const SItem* FindItemByColumn(const SReport& report, long lColumn)
{
    for (const SItem& item : report.vecItems) {
        if (AttrLong(item.attrs, "column") == lColumn)
            return &item;
    }
    return nullptr;
}

} // namespace cbcdef
