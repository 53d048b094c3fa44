#include "foundation/xml/CLCXDomNsxml.h"
#include "foundation/xml/CLCXDomGuard.h"
#include <climits>
#include <cstring>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xpath.h>
#include <stdexcept>

namespace {
using CLCXDomGuard::Guarded;
using CLCXDomGuard::kReadFailed;
using CLCXDomGuard::kUnexpected;
using CLCXDomGuard::RecordFatal;

constexpr const char* kCreateFailed = "NSXMLインスタンスの作成に失敗しました。";

// The text reaches us as UTF-8 whatever its declaration says (the GIR
// definitions declare Shift_JIS), so the declaration must not decode it again.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC;

void IgnoreGenericError(void*, const char*, ...) {}
void IgnoreStructuredError(void*, xmlErrorPtr) {}

// Keeps libxml2's error printing off stderr for one call and restores what the
// process had before.
class CSilentErrors {
public:
    CSilentErrors()
        : m_pfnGeneric(xmlGenericError), m_pGenericContext(xmlGenericErrorContext),
          m_pfnStructured(xmlStructuredError), m_pStructuredContext(xmlStructuredErrorContext)
    {
        xmlSetGenericErrorFunc(nullptr, &IgnoreGenericError);
        xmlSetStructuredErrorFunc(nullptr, &IgnoreStructuredError);
    }
    ~CSilentErrors()
    {
        xmlSetGenericErrorFunc(m_pGenericContext, m_pfnGeneric);
        xmlSetStructuredErrorFunc(m_pStructuredContext, m_pfnStructured);
    }
    CSilentErrors(const CSilentErrors&) = delete;
    CSilentErrors& operator=(const CSilentErrors&) = delete;

private:
    xmlGenericErrorFunc m_pfnGeneric;
    void* m_pGenericContext;
    xmlStructuredErrorFunc m_pfnStructured;
    void* m_pStructuredContext;
};

struct SXPathContextFree {
    void operator()(xmlXPathContext* p) const { xmlXPathFreeContext(p); }
};
struct SXPathObjectFree {
    void operator()(xmlXPathObject* p) const { xmlXPathFreeObject(p); }
};
struct SXmlFree {
    void operator()(xmlChar* p) const { xmlFree(p); }
};

// The node set an expression selects from the document node; null for an
// invalid expression or a result of another type.
std::unique_ptr<xmlXPathObject, SXPathObjectFree> SelectNodes(xmlDoc* pDocument, const char* szXPath)
{
    if (pDocument == nullptr || szXPath == nullptr)
        return nullptr;
    CSilentErrors silent;
    std::unique_ptr<xmlXPathContext, SXPathContextFree> pContext(xmlXPathNewContext(pDocument));
    if (!pContext)
        throw std::bad_alloc();
    pContext->node = reinterpret_cast<xmlNode*>(pDocument);
    pContext->error = &IgnoreStructuredError;
    std::unique_ptr<xmlXPathObject, SXPathObjectFree> pResult(
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(szXPath), pContext.get()));
    if (!pResult || pResult->type != XPATH_NODESET)
        return nullptr;
    return pResult;
}

long NodeSetCount(const xmlXPathObject* pResult)
{
    if (pResult == nullptr || pResult->nodesetval == nullptr)
        return 0;
    return pResult->nodesetval->nodeNr;
}

xmlNode* FirstElement(xmlNode* pNode)
{
    while (pNode != nullptr && pNode->type != XML_ELEMENT_NODE)
        pNode = pNode->next;
    return pNode;
}

std::string Text(const xmlChar* pText)
{
    return pText != nullptr ? std::string(reinterpret_cast<const char*>(pText)) : std::string();
}

std::string QualifiedName(const xmlNs* pNs, const xmlChar* pName)
{
    std::string strName;
    if (pNs != nullptr && pNs->prefix != nullptr) {
        strName = Text(pNs->prefix);
        strName += ':';
    }
    return strName + Text(pName);
}

// A qualified name split once, for matching it against many elements without
// building theirs: the local names are compared first, as siblings mostly
// share their prefix.
struct SSplitName {
    explicit SSplitName(const char* szName) : szWhole(szName)
    {
        const char* szColon = std::strchr(szName, ':');
        szLocal = szColon != nullptr ? szColon + 1 : nullptr;
        nPrefix = szColon != nullptr ? static_cast<size_t>(szColon - szName) : 0;
    }
    // The element or attribute named (pNs, pName) is szWhole.
    bool Matches(const xmlNs* pNs, const xmlChar* pName) const
    {
        const char* szOwnLocal = reinterpret_cast<const char*>(pName != nullptr ? pName : BAD_CAST "");
        if (pNs == nullptr || pNs->prefix == nullptr)
            return std::strcmp(szOwnLocal, szWhole) == 0;
        if (szLocal == nullptr || std::strcmp(szOwnLocal, szLocal) != 0)
            return false;
        const char* szPrefix = reinterpret_cast<const char*>(pNs->prefix);
        return std::strncmp(szPrefix, szWhole, nPrefix) == 0 && szPrefix[nPrefix] == '\0';
    }

    const char* szWhole;
    const char* szLocal;
    size_t nPrefix;
};

// QualifiedName(pNs, pName) == szName, without building the name.
bool IsQualifiedName(const xmlNs* pNs, const xmlChar* pName, const char* szName)
{
    return SSplitName(szName).Matches(pNs, pName);
}

// Only elements, attributes and processing instructions have a name here;
// the document, text and comments have none.
std::string NodeName(const xmlNode* pNode)
{
    switch (pNode->type) {
    case XML_ELEMENT_NODE:
        return QualifiedName(pNode->ns, pNode->name);
    case XML_ATTRIBUTE_NODE: {
        const auto* pAttribute = reinterpret_cast<const xmlAttr*>(pNode);
        return QualifiedName(pAttribute->ns, pAttribute->name);
    }
    case XML_PI_NODE:
        return Text(pNode->name);
    default:
        return "";
    }
}

// The element's attribute whose (qualified) name is szName; null when missing.
const xmlAttr* FindAttribute(const xmlNode* pElement, const char* szName)
{
    for (const xmlAttr* pAttribute = pElement->properties; pAttribute != nullptr; pAttribute = pAttribute->next) {
        if (IsQualifiedName(pAttribute->ns, pAttribute->name, szName))
            return pAttribute;
    }
    return nullptr;
}

std::string AttributeValue(const xmlAttr* pAttribute)
{
    std::unique_ptr<xmlChar, SXmlFree> pValue(xmlNodeGetContent(reinterpret_cast<const xmlNode*>(pAttribute)));
    return Text(pValue.get());
}

// The attribute's value; "" when it is missing.
std::string AttributeValue(const xmlNode* pElement, const char* szName)
{
    const xmlAttr* pAttribute = FindAttribute(pElement, szName);
    return pAttribute != nullptr ? AttributeValue(pAttribute) : std::string();
}

} // namespace

void CLCXDomNsxml::SDocumentFree::operator()(_xmlDoc* pDocument) const
{
    xmlFreeDoc(pDocument);
}

CLCXDomNsxml::CLCXDomNsxml() = default;

CLCXDomNsxml::~CLCXDomNsxml()
{
    Terminate();
}

bool CLCXDomNsxml::Initialize()
{
    Terminate();
    xmlInitParser();
    m_pDocument.reset(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    if (!m_pDocument) {
        RecordFatal("CLCXDomNsxml::Initialize", kCreateFailed);
        return false;
    }
    return true;
}

bool CLCXDomNsxml::Parse(const char* szXmlText)
{
    // A failed parse leaves no document, so the cursor cannot outlive it.
    Terminate();
    try {
        if (szXmlText == nullptr) {
            RecordFatal("CLCXDomNsxml::Parse", kUnexpected);
            return false;
        }
        const size_t ulLength = std::strlen(szXmlText);
        if (ulLength > static_cast<size_t>(INT_MAX)) {
            RecordFatal("CLCXDomNsxml::Parse", kReadFailed);
            return false;
        }
        xmlInitParser();
        CSilentErrors silent;
        m_pDocument.reset(xmlReadMemory(szXmlText, static_cast<int>(ulLength), nullptr, "UTF-8", kParseOptions));
        if (!m_pDocument) {
            RecordFatal("CLCXDomNsxml::Parse", kReadFailed);
            return false;
        }
        // The document type declaration is not a child node of the document here.
        xmlNode* pFirst = m_pDocument->children;
        while (pFirst != nullptr && pFirst->type == XML_DTD_NODE)
            pFirst = pFirst->next;
        m_pCurrent = pFirst;
        return true;
    } catch (...) {
        Terminate();
        RecordFatal("CLCXDomNsxml::Parse", kUnexpected);
        return false;
    }
}

void CLCXDomNsxml::Terminate()
{
    m_pCurrent = nullptr;
    m_pDocument.reset();
}

std::string CLCXDomNsxml::GetNodeName()
{
    return Guarded("CLCXDomNsxml::GetNodeName", [&]() -> std::string {
        return m_pCurrent != nullptr ? NodeName(m_pCurrent) : "";
    });
}

std::string CLCXDomNsxml::GetAttribute(const char* szName)
{
    return Guarded("CLCXDomNsxml::GetAttribute", [&]() -> std::string {
        if (m_pCurrent == nullptr || szName == nullptr)
            return "";
        if (m_pCurrent->type != XML_ELEMENT_NODE)
            throw std::logic_error("the current node is not an element");
        return AttributeValue(m_pCurrent, szName);
    });
}

bool CLCXDomNsxml::HasChild()
{
    return Guarded("CLCXDomNsxml::HasChild", [&]() {
        return m_pCurrent != nullptr && m_pCurrent->children != nullptr;
    });
}

long CLCXDomNsxml::MoveFirstChild()
{
    return Guarded("CLCXDomNsxml::MoveFirstChild", [&]() -> long {
        if (m_pCurrent == nullptr)
            return -1;
        xmlNode* pChild = FirstElement(m_pCurrent->children);
        if (pChild == nullptr)
            return -1;
        m_pCurrent = pChild;
        return 0;
    });
}

long CLCXDomNsxml::MoveNextSibling()
{
    return Guarded("CLCXDomNsxml::MoveNextSibling", [&]() -> long {
        if (m_pCurrent == nullptr || m_pCurrent->type == XML_ATTRIBUTE_NODE)
            return -1;
        xmlNode* pSibling = FirstElement(m_pCurrent->next);
        if (pSibling == nullptr)
            return -1;
        m_pCurrent = pSibling;
        return 0;
    });
}

long CLCXDomNsxml::MoveParent()
{
    return Guarded("CLCXDomNsxml::MoveParent", [&]() -> long {
        if (m_pCurrent == nullptr || m_pCurrent->parent == nullptr)
            return -1;
        m_pCurrent = m_pCurrent->parent;
        return 0;
    });
}

long CLCXDomNsxml::MoveRoot()
{
    return Guarded("CLCXDomNsxml::MoveRoot", [&]() -> long {
        xmlNode* pRoot = m_pDocument ? xmlDocGetRootElement(m_pDocument.get()) : nullptr;
        if (pRoot == nullptr)
            return -1;
        m_pCurrent = pRoot;
        return 0;
    });
}

long CLCXDomNsxml::GetNodeCount(const char* szXPath)
{
    return Guarded("CLCXDomNsxml::GetNodeCount", [&]() -> long {
        return NodeSetCount(SelectNodes(m_pDocument.get(), szXPath).get());
    });
}

long CLCXDomNsxml::MoveNode(const char* szXPath, long lIndex)
{
    return Guarded("CLCXDomNsxml::MoveNode", [&]() -> long {
        const auto pResult = SelectNodes(m_pDocument.get(), szXPath);
        if (lIndex < 0 || lIndex >= NodeSetCount(pResult.get()))
            return -1;
        xmlNode* pNode = pResult->nodesetval->nodeTab[lIndex];
        // Namespace nodes are copies owned by the result, not nodes of the tree.
        if (pNode == nullptr || pNode->type == XML_NAMESPACE_DECL)
            return -1;
        m_pCurrent = pNode;
        return 0;
    });
}

std::vector<std::string> CLCXDomNsxml::GetChildAttributes(const char* szName)
{
    return Guarded("CLCXDomNsxml::GetChildAttributes", [&]() {
        std::vector<std::string> vecValues;
        if (m_pCurrent == nullptr)
            return vecValues;
        for (xmlNode* pChild = FirstElement(m_pCurrent->children); pChild != nullptr; pChild = FirstElement(pChild->next))
            vecValues.push_back(szName != nullptr ? AttributeValue(pChild, szName) : std::string());
        return vecValues;
    });
}

std::vector<std::string> CLCXDomNsxml::GetChildNodeNames()
{
    return Guarded("CLCXDomNsxml::GetChildNodeNames", [&]() {
        std::vector<std::string> vecNames;
        if (m_pCurrent == nullptr)
            return vecNames;
        for (xmlNode* pChild = FirstElement(m_pCurrent->children); pChild != nullptr; pChild = FirstElement(pChild->next))
            vecNames.push_back(NodeName(pChild));
        return vecNames;
    });
}

long CLCXDomNsxml::MoveChildAttribute(const char* szName, const char* szValue)
{
    return Guarded("CLCXDomNsxml::MoveChildAttribute", [&]() -> long {
        if (m_pCurrent == nullptr || szName == nullptr || szValue == nullptr)
            return -1;
        for (xmlNode* pChild = FirstElement(m_pCurrent->children); pChild != nullptr; pChild = FirstElement(pChild->next)) {
            // A missing attribute matches nothing, not even "".
            const xmlAttr* pAttribute = FindAttribute(pChild, szName);
            if (pAttribute != nullptr && AttributeValue(pAttribute) == szValue) {
                m_pCurrent = pChild;
                return 0;
            }
        }
        return -1;
    });
}

long CLCXDomNsxml::MoveSiblingNodeName(const char* szName)
{
    return Guarded("CLCXDomNsxml::MoveSiblingNodeName", [&]() -> long {
        if (m_pCurrent == nullptr || m_pCurrent->parent == nullptr)
            return -1;
        xmlNode* const pStart = m_pCurrent;
        m_pCurrent = m_pCurrent->parent;
        if (MoveChildNodeName(szName) == 0)
            return 0;
        m_pCurrent = pStart;
        return -1;
    });
}

long CLCXDomNsxml::MoveChildNodeName(const char* szName)
{
    return Guarded("CLCXDomNsxml::MoveChildNodeName", [&]() -> long {
        if (m_pCurrent == nullptr || szName == nullptr)
            return -1;
        const SSplitName name(szName);
        for (xmlNode* pChild = FirstElement(m_pCurrent->children); pChild != nullptr; pChild = FirstElement(pChild->next)) {
            if (name.Matches(pChild->ns, pChild->name)) {
                m_pCurrent = pChild;
                return 0;
            }
        }
        return -1;
    });
}
