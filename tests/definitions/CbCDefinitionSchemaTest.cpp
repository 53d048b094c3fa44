#include "definitions/CbCDefinitionFileModel.h"
#include "definitions/OecdXsdDir.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

// The CbC definitions against the OECD CbC XML schemas: the conversion trees of
// 206/208 must only write elements the schema declares, where it declares them,
// and the checks of 205/209 must only accept what the schema accepts.
using namespace cbcdef;

namespace {

const char kXsdNamespace[] = "http://www.w3.org/2001/XMLSchema";

std::string SchemaRoot()
{
    return OecdXsdDir();
}

std::string Prop(xmlNodePtr pNode, const char* szName)
{
    xmlChar* pValue = xmlGetProp(pNode, reinterpret_cast<const xmlChar*>(szName));
    std::string strValue = pValue ? reinterpret_cast<const char*>(pValue) : "";
    xmlFree(pValue);
    return strValue;
}

bool IsXsd(xmlNodePtr pNode, const char* szLocalName)
{
    return pNode != nullptr && pNode->type == XML_ELEMENT_NODE && pNode->ns != nullptr
           && std::string(reinterpret_cast<const char*>(pNode->ns->href)) == kXsdNamespace
           && std::string(reinterpret_cast<const char*>(pNode->name)) == szLocalName;
}

std::string LocalPart(const std::string& strQName)
{
    const size_t nColon = strQName.find(':');
    return nColon == std::string::npos ? strQName : strQName.substr(nColon + 1);
}

bool IsBuiltIn(const std::string& strQName)
{
    return strQName.rfind("xsd:", 0) == 0 || strQName.rfind("xs:", 0) == 0;
}

struct SParticle {
    xmlNodePtr pDecl = nullptr;
    std::string strName;
    bool bOptional = false;
    bool bMany = false;
};

// One schema folder: the main file and the type files it imports, indexed by
// the local names of their top-level types (they do not collide in these schemas).
class SchemaSet {
public:
    ~SchemaSet()
    {
        for (xmlDocPtr pDoc : m_vecDocs)
            xmlFreeDoc(pDoc);
    }

    bool Load(const std::string& strFolder, const std::string& strMain, std::string& strError)
    {
        for (const auto& entry : std::filesystem::directory_iterator(strFolder)) {
            if (entry.path().extension() != ".xsd")
                continue;
            xmlDocPtr pDoc = xmlReadFile(entry.path().c_str(), nullptr, XML_PARSE_NONET);
            if (pDoc == nullptr) {
                strError = "cannot parse " + entry.path().string();
                return false;
            }
            m_vecDocs.push_back(pDoc);
            xmlNodePtr pRoot = xmlDocGetRootElement(pDoc);
            if (entry.path().filename() == strMain)
                m_pMainRoot = pRoot;
            for (xmlNodePtr p = pRoot->children; p != nullptr; p = p->next) {
                if (IsXsd(p, "complexType") || IsXsd(p, "simpleType"))
                    m_mapTypes[Prop(p, "name")] = p;
                else if (IsXsd(p, "element"))
                    m_mapElements[Prop(p, "name")] = p;
            }
        }
        if (m_pMainRoot == nullptr)
            strError = strMain + " is missing";
        return m_pMainRoot != nullptr;
    }

    std::string Version() const { return Prop(m_pMainRoot, "version"); }
    std::string MainNamespace() const { return Prop(m_pMainRoot, "targetNamespace"); }

    xmlNodePtr TopElement(const std::string& strName) const
    {
        auto it = m_mapElements.find(strName);
        return it == m_mapElements.end() ? nullptr : it->second;
    }

    // Named or inline type of an element or attribute declaration; null for built-in types.
    xmlNodePtr TypeOf(xmlNodePtr pDecl) const
    {
        const std::string strType = Prop(pDecl, "type");
        if (!strType.empty())
            return IsBuiltIn(strType) ? nullptr : NamedType(strType);
        for (xmlNodePtr p = pDecl->children; p != nullptr; p = p->next) {
            if (IsXsd(p, "complexType") || IsXsd(p, "simpleType"))
                return p;
        }
        return nullptr;
    }

    std::vector<SParticle> ContentModel(xmlNodePtr pType) const
    {
        std::vector<SParticle> particles;
        if (IsXsd(pType, "complexType"))
            AddComplexContent(pType, particles);
        return particles;
    }

    std::set<std::string> Enumeration(xmlNodePtr pType) const
    {
        std::set<std::string> values;
        xmlNodePtr pRestriction = Restriction(pType);
        if (pRestriction == nullptr)
            return values;
        for (xmlNodePtr p = pRestriction->children; p != nullptr; p = p->next) {
            if (IsXsd(p, "enumeration"))
                values.insert(Prop(p, "value"));
        }
        return values;
    }

    long Facet(xmlNodePtr pType, const char* szFacet) const
    {
        xmlNodePtr pRestriction = Restriction(pType);
        if (pRestriction == nullptr)
            return -1;
        for (xmlNodePtr p = pRestriction->children; p != nullptr; p = p->next) {
            if (IsXsd(p, szFacet))
                return std::strtol(Prop(p, "value").c_str(), nullptr, 10);
        }
        return -1;
    }

    xmlNodePtr Attribute(xmlNodePtr pType, const std::string& strName) const
    {
        if (pType == nullptr)
            return nullptr;
        for (xmlNodePtr p = pType->children; p != nullptr; p = p->next) {
            if (IsXsd(p, "attribute") && Prop(p, "name") == strName)
                return p;
            if (IsXsd(p, "simpleContent") || IsXsd(p, "complexContent") || IsXsd(p, "extension")) {
                if (xmlNodePtr pFound = Attribute(p, strName))
                    return pFound;
                const std::string strBase = Prop(p, "base");
                if (!strBase.empty() && !IsBuiltIn(strBase)) {
                    if (xmlNodePtr pFound = Attribute(NamedType(strBase), strName))
                        return pFound;
                }
            }
        }
        return nullptr;
    }

    // Every element declaration of that name in any of the files.
    std::vector<xmlNodePtr> ElementsNamed(const std::string& strName) const
    {
        std::vector<xmlNodePtr> found;
        for (xmlDocPtr pDoc : m_vecDocs)
            Collect(xmlDocGetRootElement(pDoc), strName, found);
        return found;
    }

    bool DeclaredInMainNamespace(xmlNodePtr pDecl) const
    {
        return Prop(xmlDocGetRootElement(pDecl->doc), "targetNamespace") == MainNamespace();
    }

private:
    xmlNodePtr NamedType(const std::string& strQName) const
    {
        auto it = m_mapTypes.find(LocalPart(strQName));
        return it == m_mapTypes.end() ? nullptr : it->second;
    }

    // The restriction that carries the facets of a simple type or of a complex
    // type with simple content, following named base types.
    xmlNodePtr Restriction(xmlNodePtr pType) const
    {
        for (int nDepth = 0; pType != nullptr && nDepth < 8; ++nDepth) {
            xmlNodePtr pNext = nullptr;
            for (xmlNodePtr p = pType->children; p != nullptr; p = p->next) {
                if (IsXsd(p, "restriction")) {
                    for (xmlNodePtr q = p->children; q != nullptr; q = q->next) {
                        if (IsXsd(q, "enumeration") || IsXsd(q, "maxLength") || IsXsd(q, "minLength"))
                            return p;
                    }
                }
                if (IsXsd(p, "restriction") || IsXsd(p, "extension")) {
                    const std::string strBase = Prop(p, "base");
                    pNext = IsBuiltIn(strBase) ? nullptr : NamedType(strBase);
                }
                if (IsXsd(p, "simpleContent")) {
                    for (xmlNodePtr q = p->children; q != nullptr; q = q->next) {
                        if (IsXsd(q, "extension") || IsXsd(q, "restriction")) {
                            const std::string strBase = Prop(q, "base");
                            pNext = IsBuiltIn(strBase) ? nullptr : NamedType(strBase);
                        }
                    }
                }
            }
            pType = pNext;
        }
        return nullptr;
    }

    void AddComplexContent(xmlNodePtr pType, std::vector<SParticle>& particles) const
    {
        for (xmlNodePtr p = pType->children; p != nullptr; p = p->next) {
            if (IsXsd(p, "sequence") || IsXsd(p, "choice") || IsXsd(p, "all"))
                AddGroup(p, false, particles);
            if (!IsXsd(p, "complexContent"))
                continue;
            for (xmlNodePtr q = p->children; q != nullptr; q = q->next) {
                if (!IsXsd(q, "extension"))
                    continue;
                if (xmlNodePtr pBase = NamedType(Prop(q, "base")))
                    AddComplexContent(pBase, particles);
                AddComplexContent(q, particles);
            }
        }
    }

    void AddGroup(xmlNodePtr pGroup, bool bOptional, std::vector<SParticle>& particles) const
    {
        const bool bChoice = IsXsd(pGroup, "choice");
        const bool bGroupOptional = bOptional || bChoice || Prop(pGroup, "minOccurs") == "0";
        for (xmlNodePtr p = pGroup->children; p != nullptr; p = p->next) {
            if (IsXsd(p, "sequence") || IsXsd(p, "choice"))
                AddGroup(p, bGroupOptional, particles);
            if (!IsXsd(p, "element"))
                continue;
            SParticle particle;
            particle.pDecl = p;
            particle.strName = Prop(p, "name");
            if (particle.strName.empty()) {
                particle.strName = LocalPart(Prop(p, "ref"));
                particle.pDecl = TopElement(particle.strName);
            }
            particle.bOptional = bGroupOptional || Prop(p, "minOccurs") == "0";
            const std::string strMax = Prop(p, "maxOccurs");
            particle.bMany = strMax == "unbounded" || std::strtol(strMax.c_str(), nullptr, 10) > 1;
            particles.push_back(particle);
        }
    }

    static void Collect(xmlNodePtr pNode, const std::string& strName, std::vector<xmlNodePtr>& found)
    {
        for (xmlNodePtr p = pNode->children; p != nullptr; p = p->next) {
            if (p->type != XML_ELEMENT_NODE)
                continue;
            if (IsXsd(p, "element") && Prop(p, "name") == strName)
                found.push_back(p);
            Collect(p, strName, found);
        }
    }

    std::vector<xmlDocPtr> m_vecDocs;
    xmlNodePtr m_pMainRoot = nullptr;
    std::map<std::string, xmlNodePtr> m_mapTypes;
    std::map<std::string, xmlNodePtr> m_mapElements;
};

struct SSchemaCase {
    unsigned nCheckId;
    unsigned nConvId;
    const char* szFolder;
    const char* szMain;
    const char* szVersion;
};

const SSchemaCase kSchemaCases[] = {
    {205, 206, "cbc_v1.0.1", "CbcXML_v1.0.1.xsd", "1.0.1"},
    {209, 208, "cbc_v2.0", "CbcXML_v2.0.xsd", "2.0"},
};

void PrintTo(const SSchemaCase& c, std::ostream* os)
{
    *os << c.nCheckId << "/" << c.nConvId << " against " << c.szFolder;
}

class AgainstSchema : public ::testing::TestWithParam<SSchemaCase> {
protected:
    void SetUp() override
    {
        const std::string strFolder = SchemaRoot() + "/" + GetParam().szFolder;
        if (!std::filesystem::is_directory(strFolder))
            GTEST_SKIP() << "OECD schemas not found at " << strFolder << "; schema agreement not checked";
        std::string strError;
        ASSERT_TRUE(m_schema.Load(strFolder, GetParam().szMain, strError)) << strError;
        ASSERT_TRUE(LoadDefinition(GetParam().nCheckId, m_check, strError)) << strError;
        ASSERT_TRUE(LoadDefinition(GetParam().nConvId, m_conv, strError)) << strError;
        ASSERT_EQ(m_conv.vecReports.size(), 5u);
        ASSERT_EQ(m_check.vecReports.size(), 5u);
    }

    // The declaration of a child element inside a parent declaration.
    xmlNodePtr Child(xmlNodePtr pParent, const std::string& strName) const
    {
        for (const SParticle& particle : m_schema.ContentModel(m_schema.TypeOf(pParent))) {
            if (particle.strName == strName)
                return particle.pDecl;
        }
        return nullptr;
    }

    // Where each conversion report writes its elements (the summary report has
    // no element of its own: its items stand in the CbcReports element, followed
    // by the constituent entities of that country).
    xmlNodePtr ReportDecl(size_t k) const
    {
        xmlNodePtr pRoot = m_schema.TopElement("CBC_OECD");
        if (k == 0)
            return Child(pRoot, "MessageSpec");
        xmlNodePtr pBody = Child(pRoot, "CbcBody");
        switch (k) {
        case 1: return Child(pBody, "ReportingEntity");
        case 2: return Child(pBody, "CbcReports");
        case 3: return Child(Child(pBody, "CbcReports"), "ConstEntities");
        default: return Child(pBody, "AdditionalInfo");
        }
    }

    // Walks one conversion node's children against its element declaration and
    // records, per CSV column, whether the schema requires the value.
    void CheckChildren(const SReport& report, const std::string& strNodeId, xmlNodePtr pDecl,
                       const std::vector<std::string>& extraChildren, bool bRequired, const std::string& strPath,
                       std::map<long, bool>& required)
    {
        const std::vector<SParticle> model = m_schema.ContentModel(m_schema.TypeOf(pDecl));
        std::vector<const SItem*> children;
        for (const SItem& item : report.vecItems) {
            if (Attr(item.attrs, "parent") == strNodeId)
                children.push_back(&item);
        }
        std::vector<std::string> names;
        for (const SItem* pItem : children)
            names.push_back(Attr(pItem->attrs, "id"));
        names.insert(names.end(), extraChildren.begin(), extraChildren.end());

        long lLast = -1;
        std::set<std::string> present;
        for (size_t i = 0; i < names.size(); ++i) {
            long lFound = -1;
            for (size_t j = static_cast<size_t>(lLast + 1); j < model.size(); ++j) {
                if (model[j].strName == names[i]) {
                    lFound = static_cast<long>(j);
                    break;
                }
            }
            ASSERT_GE(lFound, 0) << strPath << ": " << names[i] << " is not declared here, or not at this place";
            lLast = lFound;
            present.insert(names[i]);
            if (i >= children.size())
                continue;
            CheckItem(report, *children[i], model[lFound], bRequired, strPath + "/" + names[i], required);
        }
        for (const SParticle& particle : model) {
            if (!particle.bOptional) {
                EXPECT_TRUE(present.count(particle.strName)) << strPath << ": required " << particle.strName
                                                             << " is never written";
            }
        }
    }

    void CheckItem(const SReport& report, const SItem& item, const SParticle& particle, bool bRequired,
                   const std::string& strPath, std::map<long, bool>& required)
    {
        xmlNodePtr pType = m_schema.TypeOf(particle.pDecl);
        const bool bComplex = !m_schema.ContentModel(pType).empty();
        const std::string strType = Attr(item.attrs, "type");
        const bool bHasText = HasAttr(item.attrs, "column") || HasAttr(item.attrs, "value");
        EXPECT_FALSE(bComplex && bHasText) << strPath << " writes text into an element with children";
        if (strType == "Split") {
            EXPECT_TRUE(particle.bMany) << strPath << " is split into several elements but may occur once";
        }
        const bool bStf = Attr(item.attrs, "nameSpace") == "stf";
        EXPECT_NE(m_schema.DeclaredInMainNamespace(particle.pDecl), bStf) << strPath << ": wrong prefix";

        const std::set<std::string> values = m_schema.Enumeration(pType);
        if (HasAttr(item.attrs, "value") && !values.empty()) {
            EXPECT_TRUE(values.count(Attr(item.attrs, "value"))) << strPath << " = " << Attr(item.attrs, "value");
        }
        if (HasAttr(item.attrs, "attr")) {
            xmlNodePtr pAttr = m_schema.Attribute(pType, Attr(item.attrs, "attr"));
            ASSERT_NE(pAttr, nullptr) << strPath << " has no attribute " << Attr(item.attrs, "attr");
            if (HasAttr(item.attrs, "attrValue")) {
                const std::set<std::string> attrValues = m_schema.Enumeration(m_schema.TypeOf(pAttr));
                EXPECT_TRUE(attrValues.empty() || attrValues.count(Attr(item.attrs, "attrValue")))
                    << strPath << " @" << Attr(item.attrs, "attr") << " = " << Attr(item.attrs, "attrValue");
            }
        }

        const bool bHere = bRequired && !particle.bOptional;
        if (HasAttr(item.attrs, "column") && strType != "Timestamp") {
            // An empty element may stand for an empty value only where the type allows the empty text.
            const bool bEmptyAllowed = HasAttr(item.attrs, "emptyTag") && m_schema.Facet(pType, "minLength") < 1;
            required[AttrLong(item.attrs, "column")] = bHere && !bEmptyAllowed;
        }
        CheckChildren(report, Attr(item.attrs, "id"), particle.pDecl, {}, bHere, strPath, required);
    }

    SchemaSet m_schema;
    SDefinitionFile m_check;
    SDefinitionFile m_conv;
};

} // namespace

TEST_P(AgainstSchema, ConversionWritesOnlyDeclaredElementsInSchemaOrder)
{
    for (size_t k = 0; k < 5; ++k) {
        xmlNodePtr pDecl = ReportDecl(k);
        ASSERT_NE(pDecl, nullptr) << "report " << k + 1;
        const SReport& report = m_conv.vecReports[k];
        const std::string strId = Attr(report.attrs, "reportId");
        const bool bDumy = Attr(report.attrs, "dumyFlg") == "true";
        if (!bDumy) {
            EXPECT_EQ(strId, Prop(pDecl, "name"));
        }
        std::map<long, bool> required;
        const std::vector<std::string> extra = bDumy ? std::vector<std::string>{"ConstEntities"}
                                                     : std::vector<std::string>{};
        CheckChildren(report, strId, pDecl, extra, true, Prop(pDecl, "name"), required);
    }
}

TEST_P(AgainstSchema, EveryValueTheSchemaRequiresIsCheckedForPresence)
{
    for (size_t k = 0; k < 5; ++k) {
        std::map<long, bool> required;
        const SReport& report = m_conv.vecReports[k];
        const std::vector<std::string> extra = Attr(report.attrs, "dumyFlg") == "true"
                                                   ? std::vector<std::string>{"ConstEntities"}
                                                   : std::vector<std::string>{};
        CheckChildren(report, Attr(report.attrs, "reportId"), ReportDecl(k), extra, true, "report", required);
        for (const auto& [lColumn, bRequired] : required) {
            if (!bRequired)
                continue;
            const SItem* pItem = FindItemByColumn(m_check.vecReports[k], lColumn);
            ASSERT_NE(pItem, nullptr) << "report " << k + 1 << " column " << lColumn;
            bool bExist = false;
            for (const SRule& rule : pItem->vecRules)
                bExist = bExist || (rule.strKeyword == "exist" && rule.vecOuters.empty() && rule.lColumn == 0);
            EXPECT_TRUE(bExist) << GetParam().nCheckId << " report " << k + 1 << " "
                                << Attr(pItem->attrs, "id") << " is required by the schema";
        }
    }
}

TEST_P(AgainstSchema, CheckRulesAcceptOnlyWhatTheSchemaAccepts)
{
    static const std::set<std::string> notElements = {"Version", "Currency"};   // root and currCode attributes
    for (const SReport& report : m_check.vecReports) {
        for (const SItem& item : report.vecItems) {
            const std::string strId = Attr(item.attrs, "id");
            if (strId.empty() || strId.rfind("EmptyColumn", 0) == 0 || notElements.count(strId))
                continue;
            const std::vector<xmlNodePtr> decls = m_schema.ElementsNamed(strId);
            ASSERT_FALSE(decls.empty()) << strId << " is no element of the schema";
            for (const SRule& rule : item.vecRules) {
                const std::string strWhere = strId + ": " + RuleSignature(rule);
                const std::string strValue = Attr(rule.attrs, "value");
                if (rule.lColumn != 0)
                    continue;   // a rule on another column
                if (rule.strKeyword == "contain" || rule.strKeyword == "contain2") {
                    bool bEnumerated = false;
                    for (xmlNodePtr pDecl : decls) {
                        const std::set<std::string> values = m_schema.Enumeration(m_schema.TypeOf(pDecl));
                        if (values.empty())
                            continue;
                        bEnumerated = true;
                        size_t nStart = 0;
                        while (nStart < strValue.size()) {
                            size_t nEnd = strValue.find(' ', nStart);
                            if (nEnd == std::string::npos)
                                nEnd = strValue.size();
                            const std::string strCode = strValue.substr(nStart, nEnd - nStart);
                            if (!strCode.empty()) {
                                EXPECT_TRUE(values.count(strCode)) << strWhere << ": " << strCode;
                            }
                            nStart = nEnd + 1;
                        }
                    }
                    // "NOTIN" is the agreed text of an entity without a TIN, not a code list.
                    EXPECT_TRUE(bEnumerated || strId == "TIN") << strWhere << " on a value without code list";
                }
                if (rule.strKeyword == "contain2") {
                    bool bMany = false;
                    for (xmlNodePtr pDecl : decls)
                        bMany = bMany || Prop(pDecl, "maxOccurs") == "unbounded";
                    EXPECT_TRUE(bMany) << strWhere << ": several codes for an element that occurs once";
                }
                if (rule.strKeyword == "length") {
                    long lLongest = std::strtol(Attr(rule.attrs, "max").c_str(), nullptr, 10);
                    for (char* p = const_cast<char*>(strValue.c_str()); *p != '\0';) {
                        char* pEnd = nullptr;
                        const long lLength = std::strtol(p, &pEnd, 10);
                        if (pEnd == p)
                            break;
                        lLongest = std::max(lLongest, lLength);
                        p = pEnd;
                    }
                    for (xmlNodePtr pDecl : decls) {
                        const long lMax = m_schema.Facet(m_schema.TypeOf(pDecl), "maxLength");
                        if (lMax >= 0) {
                            EXPECT_LE(lLongest, lMax) << strWhere;
                        }
                    }
                }
            }
        }
    }
}

TEST_P(AgainstSchema, VersionRuleAcceptsTheSchemaVersion)
{
    EXPECT_EQ(m_schema.Version(), GetParam().szVersion);
    const SItem* pVersion = FindItem(m_check.vecReports[0], "Version");
    ASSERT_NE(pVersion, nullptr);
    bool bFound = false;
    for (const SRule& rule : pVersion->vecRules) {
        if (rule.strKeyword != "contain")
            continue;
        bFound = true;
        EXPECT_EQ(Attr(rule.attrs, "value"), m_schema.Version());
    }
    EXPECT_TRUE(bFound);
}

INSTANTIATE_TEST_SUITE_P(Oecd, AgainstSchema, ::testing::ValuesIn(kSchemaCases),
                         [](const auto& info) { return "Cbc" + std::to_string(info.param.nCheckId); });
