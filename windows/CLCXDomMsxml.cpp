#include "windows/CLCXDomMsxml.h"
#include "foundation/xml/CLCXDomGuard.h"
#include "windows/CLCBstr.h"
#include <windows.h>
#include <objbase.h>
#include <msxml2.h>
#include <climits>
#include <functional>
#include <stdexcept>

namespace {

using CLCXDomGuard::Guarded;
using CLCXDomGuard::kReadFailed;
using CLCXDomGuard::kUnexpected;
using CLCXDomGuard::RecordFatal;

constexpr const char* kCreateFailed = "MSXMLインスタンスの作成に失敗しました。";

// MSXML 6's DOMDocument60 class.
constexpr CLSID kClsidDomDocument60 = {0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};

using NodePtr = CLCComPtr<IXMLDOMNode>;

std::function<long(long)>& CallHook()
{
    static std::function<long(long)> s_fnHook;
    return s_fnHook;
}

// An MSXML call's answer inside a cursor operation: S_OK, or S_FALSE for
// "none". A failure (out of memory and the like) is never a "not found",
// which could let a check pass: it throws, and the operation's caller
// records the fatal row.
HRESULT Checked(HRESULT hr)
{
    if (CallHook())
        hr = CallHook()(hr);
    if (FAILED(hr))
        throw std::runtime_error("MSXML call failed");
    return hr;
}

bool IsElement(IXMLDOMNode* pNode)
{
    DOMNodeType type = NODE_INVALID;
    Checked(pNode->get_nodeType(&type));
    return type == NODE_ELEMENT;
}

NodePtr NextSibling(IXMLDOMNode* pNode)
{
    NodePtr pNext;
    if (Checked(pNode->get_nextSibling(pNext.Put())) != S_OK)
        pNext.Reset();
    return pNext;
}

// pNode itself when it is an element, else its first following sibling that is.
NodePtr ElementFrom(NodePtr pNode)
{
    while (pNode && !IsElement(pNode.Get()))
        pNode = NextSibling(pNode.Get());
    return pNode;
}

NodePtr NextElement(IXMLDOMNode* pNode)
{
    return ElementFrom(NextSibling(pNode));
}

// The cursor onto pNode: 0; -1 with the cursor unchanged when there is none.
long MoveTo(NodePtr& pCurrent, NodePtr pNode)
{
    if (!pNode)
        return -1;
    pCurrent = std::move(pNode);
    return 0;
}

NodePtr FirstElementChild(IXMLDOMNode* pNode)
{
    NodePtr pChild;
    if (pNode == nullptr || Checked(pNode->get_firstChild(pChild.Put())) != S_OK)
        return NodePtr();
    return ElementFrom(std::move(pChild));
}

// Elements and attributes have names; the document, text and comments,
// which MSXML names "#document" and so on, have none, as in the other body.
std::string NodeName(IXMLDOMNode* pNode)
{
    CLCBstr name;
    Checked(pNode->get_nodeName(name.Put()));
    std::string strName = name.Utf8();
    return !strName.empty() && strName[0] == '#' ? std::string() : strName;
}

// The named attribute's value; false when the node has no such attribute
// (or no attributes at all, as the document node).
bool FindAttribute(IXMLDOMNode* pNode, const char* szName, std::string& strValue)
{
    CLCComPtr<IXMLDOMNamedNodeMap> pMap;
    if (Checked(pNode->get_attributes(pMap.Put())) != S_OK || !pMap)
        return false;
    const CLCBstr name = CLCBstr::FromUtf8(szName);
    NodePtr pAttribute;
    if (Checked(pMap->getNamedItem(name.Get(), pAttribute.Put())) != S_OK || !pAttribute)
        return false;
    CLCBstr text;
    Checked(pAttribute->get_text(text.Put()));
    strValue = text.Utf8();
    return true;
}

std::string AttributeValue(IXMLDOMNode* pNode, const char* szName)
{
    std::string strValue;
    return szName != nullptr && FindAttribute(pNode, szName, strValue) ? strValue : std::string();
}

// The text reaches MSXML as UTF-16, so an encoding named in its declaration
// no longer describes it; some versions would decode it again by that name.
void DropDeclaredEncoding(std::wstring& wstrText)
{
    const size_t nStart = wstrText.compare(0, 5, L"<?xml") == 0 ? 0 : std::wstring::npos;
    if (nStart == std::wstring::npos)
        return;
    const size_t nEnd = wstrText.find(L"?>");
    const size_t nName = wstrText.find(L"encoding", 5);
    if (nEnd == std::wstring::npos || nName == std::wstring::npos || nName > nEnd)
        return;
    const size_t nQuote = wstrText.find_first_of(L"\"'", nName);
    if (nQuote == std::wstring::npos || nQuote > nEnd)
        return;
    const size_t nClose = wstrText.find(wstrText[nQuote], nQuote + 1);
    if (nClose == std::wstring::npos || nClose > nEnd)
        return;
    size_t nFrom = nName;
    while (nFrom > 5 && (wstrText[nFrom - 1] == L' ' || wstrText[nFrom - 1] == L'\t'
                         || wstrText[nFrom - 1] == L'\r' || wstrText[nFrom - 1] == L'\n'))
        --nFrom;
    wstrText.erase(nFrom, nClose + 1 - nFrom);
}

CLCComPtr<IXMLDOMNodeList> Select(IXMLDOMDocument* pDocument, const char* szXPath)
{
    CLCComPtr<IXMLDOMNodeList> pList;
    if (pDocument == nullptr || szXPath == nullptr)
        return pList;
    const CLCBstr xpath = CLCBstr::FromUtf8(szXPath);
    // E_FAIL is MSXML's answer to an expression it cannot read: no selection.
    const HRESULT hr = pDocument->selectNodes(xpath.Get(), pList.Put());
    if (hr == E_FAIL || Checked(hr) != S_OK)
        pList.Reset();
    return pList;
}

long Length(IXMLDOMNodeList* pList)
{
    long lLength = 0;
    if (pList != nullptr)
        Checked(pList->get_length(&lLength));
    return lLength;
}

} // namespace

void CLCXDomMsxml::SetCallHookForTest(std::function<long(long)> fnHook)
{
    CallHook() = std::move(fnHook);
}

CLCXDomMsxml::CLCXDomMsxml() = default;

CLCXDomMsxml::~CLCXDomMsxml() = default;

bool CLCXDomMsxml::Initialize()
{
    Terminate();
    try {
        CLCComPtr<IUnknown> pObject;
        if (FAILED(CoCreateInstance(kClsidDomDocument60, nullptr, CLSCTX_ALL, IID_IUnknown, pObject.PutVoid()))
            || FAILED(OleRun(pObject.Get()))
            || FAILED(pObject->QueryInterface(IID_IXMLDOMDocument, m_pDocument.PutVoid()))) {
            m_pDocument.Reset();
            RecordFatal("CLCXDomMsxml::Initialize", kCreateFailed);
            return false;
        }
        return true;
    } catch (...) {
        Terminate();
        RecordFatal("CLCXDomMsxml::Initialize", kUnexpected);
        return false;
    }
}

bool CLCXDomMsxml::Parse(const char* szXmlText)
{
    // A failed parse leaves no document, so the cursor cannot outlive it.
    const auto fnFail = [this](const char* szMessage) {
        Terminate();
        RecordFatal("CLCXDomMsxml::Parse", szMessage);
        return false;
    };
    m_pCurrent.Reset();
    try {
        if (szXmlText == nullptr)
            return fnFail(kUnexpected);
        if (!m_pDocument && !Initialize())
            return false;   // recorded
        if (FAILED(m_pDocument->put_async(VARIANT_FALSE)) || FAILED(m_pDocument->put_resolveExternals(VARIANT_FALSE))
            || FAILED(m_pDocument->put_validateOnParse(VARIANT_FALSE)))
            return fnFail(kUnexpected);
        std::wstring wstrText;
        if (!CLCWinText::Utf8ToWide(szXmlText, wstrText) || wstrText.size() > static_cast<size_t>(UINT_MAX))
            return fnFail(kReadFailed);
        DropDeclaredEncoding(wstrText);
        const CLCBstr text(wstrText);
        VARIANT_BOOL bLoaded = VARIANT_FALSE;
        CLCComPtr<IXMLDOMElement> pRoot;
        if (FAILED(m_pDocument->loadXML(text.Get(), &bLoaded)) || bLoaded != VARIANT_TRUE
            || m_pDocument->get_documentElement(pRoot.Put()) != S_OK || !pRoot)
            return fnFail(kReadFailed);
        if (FAILED(pRoot->QueryInterface(IID_IXMLDOMNode, m_pCurrent.PutVoid())))
            return fnFail(kUnexpected);
        return true;
    } catch (...) {
        return fnFail(kUnexpected);
    }
}

void CLCXDomMsxml::Terminate()
{
    m_pCurrent.Reset();
    m_pDocument.Reset();
}

std::string CLCXDomMsxml::GetNodeName()
{
    return Guarded("CLCXDomMsxml::GetNodeName", [&]() -> std::string {
        return m_pCurrent ? NodeName(m_pCurrent.Get()) : "";
    });
}

std::string CLCXDomMsxml::GetAttribute(const char* szName)
{
    return Guarded("CLCXDomMsxml::GetAttribute", [&]() -> std::string {
        return m_pCurrent ? AttributeValue(m_pCurrent.Get(), szName) : "";
    });
}

bool CLCXDomMsxml::HasChild()
{
    return Guarded("CLCXDomMsxml::HasChild", [&]() {
        VARIANT_BOOL bHas = VARIANT_FALSE;
        return m_pCurrent && Checked(m_pCurrent->hasChildNodes(&bHas)) == S_OK && bHas == VARIANT_TRUE;
    });
}

long CLCXDomMsxml::MoveFirstChild()
{
    return Guarded("CLCXDomMsxml::MoveFirstChild", [&]() -> long {
        return MoveTo(m_pCurrent, FirstElementChild(m_pCurrent.Get()));
    });
}

long CLCXDomMsxml::MoveNextSibling()
{
    return Guarded("CLCXDomMsxml::MoveNextSibling", [&]() -> long {
        return m_pCurrent ? MoveTo(m_pCurrent, NextElement(m_pCurrent.Get())) : -1;
    });
}

long CLCXDomMsxml::MoveParent()
{
    return Guarded("CLCXDomMsxml::MoveParent", [&]() -> long {
        NodePtr pParent;
        if (!m_pCurrent || Checked(m_pCurrent->get_parentNode(pParent.Put())) != S_OK)
            return -1;
        return MoveTo(m_pCurrent, std::move(pParent));
    });
}

long CLCXDomMsxml::MoveRoot()
{
    return Guarded("CLCXDomMsxml::MoveRoot", [&]() -> long {
        CLCComPtr<IXMLDOMElement> pRoot;
        if (!m_pDocument || Checked(m_pDocument->get_documentElement(pRoot.Put())) != S_OK || !pRoot)
            return -1;
        NodePtr pNode;
        Checked(pRoot->QueryInterface(IID_IXMLDOMNode, pNode.PutVoid()));
        m_pCurrent = std::move(pNode);
        return 0;
    });
}

long CLCXDomMsxml::GetNodeCount(const char* szXPath)
{
    return Guarded("CLCXDomMsxml::GetNodeCount", [&]() -> long {
        return Length(Select(m_pDocument.Get(), szXPath).Get());
    });
}

long CLCXDomMsxml::MoveNode(const char* szXPath, long lIndex)
{
    return Guarded("CLCXDomMsxml::MoveNode", [&]() -> long {
        const CLCComPtr<IXMLDOMNodeList> pList = Select(m_pDocument.Get(), szXPath);
        if (lIndex < 0 || lIndex >= Length(pList.Get()))
            return -1;
        NodePtr pNode;
        if (Checked(pList->get_item(lIndex, pNode.Put())) != S_OK)
            return -1;
        return MoveTo(m_pCurrent, std::move(pNode));
    });
}

std::vector<std::string> CLCXDomMsxml::GetChildAttributes(const char* szName)
{
    return Guarded("CLCXDomMsxml::GetChildAttributes", [&]() {
        std::vector<std::string> vecValues;
        for (NodePtr pChild = FirstElementChild(m_pCurrent.Get()); pChild; pChild = NextElement(pChild.Get()))
            vecValues.push_back(AttributeValue(pChild.Get(), szName));
        return vecValues;
    });
}

std::vector<std::string> CLCXDomMsxml::GetChildNodeNames()
{
    return Guarded("CLCXDomMsxml::GetChildNodeNames", [&]() {
        std::vector<std::string> vecNames;
        for (NodePtr pChild = FirstElementChild(m_pCurrent.Get()); pChild; pChild = NextElement(pChild.Get()))
            vecNames.push_back(NodeName(pChild.Get()));
        return vecNames;
    });
}

long CLCXDomMsxml::MoveChildAttribute(const char* szName, const char* szValue)
{
    return Guarded("CLCXDomMsxml::MoveChildAttribute", [&]() -> long {
        if (szName == nullptr || szValue == nullptr)
            return -1;
        for (NodePtr pChild = FirstElementChild(m_pCurrent.Get()); pChild; pChild = NextElement(pChild.Get())) {
            // A missing attribute matches nothing, not even "".
            std::string strValue;
            if (FindAttribute(pChild.Get(), szName, strValue) && strValue == szValue) {
                m_pCurrent = std::move(pChild);
                return 0;
            }
        }
        return -1;
    });
}

long CLCXDomMsxml::MoveSiblingNodeName(const char* szName)
{
    return Guarded("CLCXDomMsxml::MoveSiblingNodeName", [&]() -> long {
        NodePtr pParent;
        if (!m_pCurrent || Checked(m_pCurrent->get_parentNode(pParent.Put())) != S_OK || !pParent)
            return -1;
        NodePtr pStart = std::move(m_pCurrent);
        m_pCurrent = std::move(pParent);
        if (MoveChildNodeName(szName) == 0)
            return 0;
        m_pCurrent = std::move(pStart);
        return -1;
    });
}

long CLCXDomMsxml::MoveChildNodeName(const char* szName)
{
    return Guarded("CLCXDomMsxml::MoveChildNodeName", [&]() -> long {
        if (szName == nullptr)
            return -1;
        for (NodePtr pChild = FirstElementChild(m_pCurrent.Get()); pChild; pChild = NextElement(pChild.Get())) {
            if (NodeName(pChild.Get()) == szName) {
                m_pCurrent = std::move(pChild);
                return 0;
            }
        }
        return -1;
    });
}
