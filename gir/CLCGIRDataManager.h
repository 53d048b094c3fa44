#pragma once
#include "foundation/CLCDebugDump.h"
#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CLCGIRCheckList;
class CLCGIRContainer;
class CLCGIRContainerExt;
struct CLCGIREditConf;
class CLCGIRCsvData;
class CLCGIRCsvDataManager;
class CLCGIRXMLList;
class CLCXDomNsxml;

// The process-wide holder of one GIR run: the CSV files read from the folder,
// the container tree built from them and the item-identifier check list.
// instance() creates it on first use; destroy() frees everything, so every run
// starts from a new one.
//
// Order of a run: ReadCsvFile / ParseCsvFile per file (the structure check),
// GenerateXMLStructure (tree built and linked; the CSV data is released),
// MappingConvDefine, CreateAutoItem, CreateCheckList; then readers use
// GetRootContainer, FindCheckList, FindCheckListFromItemIDs and the moves.
//
// Cursor arguments are the edit definition's document (210), moved in step with
// the tree: while a walk stands on a node, the cursor stands on its element.
class CLCGIRDataManager {
public:
    static CLCGIRDataManager* instance();
    static void destroy();

    virtual ~CLCGIRDataManager();
    CLCGIRDataManager(const CLCGIRDataManager&) = delete;
    CLCGIRDataManager& operator=(const CLCGIRDataManager&) = delete;

    void Initialize();
    void Terminate();

    // CSV files, forwarded to the folder reader.
    const char* ReadCsvFile(const std::string& strPath);
    // nKeepRecords: see CLCGIRCsvData::Parse.
    CLCGIRCsvData* ParseCsvFile(size_t nKeepRecords = static_cast<size_t>(-1));
    long GetCsvFileNumber();
    CLCGIRCsvData* GetCsvData(int nIndex);
    CLCGIRCsvDataManager* GetCsvDataManager() { return m_pCsvData.get(); }
    void DeleteCsvData();

    // Containers, forwarded to the container list (which owns them).
    bool AddContainer(CLCGIRContainer* pContainer);
    long GetContainerNumber();
    CLCGIRContainer* GetContainerByIndex(long i);
    bool RemoveContainerByIndex(long i);
    CLCGIRContainer* GetRootContainer();
    CLCGIRXMLList* GetXMLList() { return m_pXMLList.get(); }

    // Structure.
    // The nodes of the parsed files, then their linking; the CSV data is
    // released either way. A level fault records HE60048E (column 6) or the
    // fatal row; on failure the list still owns every node, unlinked.
    bool GenerateXMLStructure();
    // The root, then per file (the reader's order) its node and one node per
    // record; the 02_GLOBEBody node just before the first file inside it.
    // Anything thrown, a name that fits no rule among it, is the fatal row.
    bool GenerateXMLStructureFromCSVData();
    // These two throw (after logging) for a name that fits no rule.
    void SetContainerWithFileName(const std::string& strFolderPath, const std::string& strFileName,
                                  CLCGIRCsvData* pCsvData);
    void SetContainer(long lGLOBE_OECD_HierarchyNumber, long lGLOBEBody_HierarchyNumber,
                      long lGLOBEBody_HierarchyBranchNumber, const std::string& strHierarchyNumber,
                      const std::string& strFileName, CLCGIRCsvData* pCsvData);
    bool ConvertHierarchy();
    long long GetMaxLevel() const { return m_llMaxLevel; }

    // Check list.
    bool CreateCheckList();
    // Pre-order successor; null at the end. A null node is logged and thrown.
    CLCGIRContainer* GetNextContainer(CLCGIRContainer* pContainer);
    bool AddCheckList(const std::string& strItemId, CLCGIRContainer* pContainer);
    std::vector<CLCGIRContainer*> FindCheckList(const std::string& strItemId);
    std::vector<CLCGIRContainer*> FindCheckListFromItemIDs(const std::vector<std::string>& vecItemIds);
    void ClearCheckList();
    long GetCheckListNumber();
    std::string GetCheckListItemId(long i);
    CLCGIRContainer* GetCheckListContainer(long i);

    // Mapping onto the edit definition. MappingConvDefine gives each node its
    // element's sixteen settings; a node without element at its place records
    // HE60049E (column 6) and its subtree keeps empty settings; the walk goes
    // on and the answer is false. The walks find each element through
    // ChildDefinition; the moves below keep a node and the cursor in step for
    // a caller that walks with the cursor.
    bool MappingConvDefine();
    bool MoveNextSiblingConvDefByElementName(CLCXDomNsxml* pDefine, const std::string& strName);
    CLCGIRContainer* FindFirstNormalSibling(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine, bool* pOk);
    CLCGIRContainer* MoveNormalContainerAndConvDev(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine, bool* pOk);
    CLCGIRContainer* MoveCurrentContainerAndConvDev(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine);
    // The sixteen settings of the cursor's element stored in the container.
    static void SetEditConfFromDefine(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine);
    // The same settings as one object of the run, shared by every node whose
    // element has them.
    std::shared_ptr<const CLCGIREditConf> ShareEditConf(CLCXDomNsxml* pDefine);

    // An element the system adds itself, as the definition gives it.
    struct SAutoItemNode {
        bool bFound = false;   // false: the definition has no element of that name there
        std::string strName;
        std::string strValue;
        std::array<std::string, 3> astrAttrValue;
        std::shared_ptr<const CLCGIREditConf> pConf;
    };
    // What the definition lists below one element, child by child.
    struct SChildDefinition {
        std::vector<std::string> vecNames;
        std::vector<std::string> vecItemIds;
        std::vector<std::string> vecAutoItems;
        std::vector<std::string> vecMinOccurs;
        std::vector<std::string> vecMaxOccurs;
        std::map<std::string, long> mapOrder;   // item id: place of its first child
        std::vector<long> vecFirstOfItem;       // child by child: mapOrder of its item id
        std::vector<long long> vecMinCounts;    // child by child: minOccur as a number
        std::vector<long long> vecMaxCounts;    // child by child: maxOccur as a number; "N" the largest
        std::vector<SAutoItemNode> vecAutoItemNodes;   // child by child; read where autoItem is "1"
        // Child by child: its shared settings; null for a later child of a name
        // already listed (a name finds its first element).
        std::vector<std::shared_ptr<const CLCGIREditConf>> vecChildConfs;
        // mapOrder of a node's item id, -1 when no child has it; the node's
        // shared settings find it without comparing texts.
        long OrderOf(const CLCGIRContainer* pNode) const;
        // Whether a node's name (or its shared settings) is a child element here.
        bool HasChild(const CLCGIRContainer* pNode) const;
        // The settings a child of that name gets; null when there is no such element.
        const std::shared_ptr<const CLCGIREditConf>* ConfNamed(const std::string& strName) const;
        long PlaceOfConf(const CLCGIREditConf* pConf) const;
    };
    // The definition below pNode's element. The walks after the mapping use
    // it instead of moving the cursor: every node then has its element, found
    // by its settings object or else by its item id. The whole definition is
    // read once per run, on the first call (the cursor is left on its root).
    // Throws when no element has the node's item id.
    const SChildDefinition& ChildDefinition(const CLCGIRContainer* pNode, CLCXDomNsxml* pDefine);
    // The next node of a pre-order walk over mapped nodes, as the cursor
    // would follow it; a next sibling without element records HE60049E
    // (column 6) and ends the walk (null).
    CLCGIRContainer* MoveOnwards(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine);

    // Element order and automatic items. Order tables own their rows.
    // CreateAutoItem checks every node's children: the first out of order
    // records HE60050E, each generated element given in the files HE60051E
    // (column 0); where both pass, the generated elements are inserted at
    // their definition places (CSV line 0, no file name). A failed insertion
    // is the fatal row and ends the walk.
    bool CreateAutoItem();
    std::vector<CLCGIRContainerExt*> CreateOrderTable(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine);
    bool CheckOrderAppearance(const std::vector<CLCGIRContainerExt*>& vecOrderTable);
    bool CheckAutoItem(const std::vector<CLCGIRContainerExt*>& vecOrderTable);
    bool InsertAutoItem(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine,
                        const std::vector<CLCGIRContainerExt*>& vecOrderTable);
    CLCGIRContainer* CreateAutoItem(CLCGIRContainer* pParent, const SAutoItemNode& item);
    void DeleteOrderTable(std::vector<CLCGIRContainerExt*>& vecOrderTable);

    // Frees the tree and its check list once nothing will read them again (the
    // conversion, while its document is parsed); the holder then stays empty.
    void ReleaseTree();

    // The container-list dump after the stage, when its switch is on.
    void DumpContainers(CLCDebugDump::DumpStage stage);

private:
    CLCGIRDataManager();
    static std::unique_ptr<CLCGIRDataManager>& Holder();

    // The failure records the steps share: the fatal row with its log line;
    // HE60049E (column 6) for a node without element at its place.
    static void RecordFatal(const char* szFunction, const char* szMessage);
    static void ReportNoElement(const CLCGIRContainer* pContainer, const char* szFunction, const char* szMessage);
    // The start of a walk over the tree: the edit definition's cursor on its
    // root, and the root container in pRoot. Null after the fatal row when
    // either is missing.
    CLCXDomNsxml* StartWalk(const char* szFunction, CLCGIRContainer*& pRoot);
    // The definition read at the cursor; its automatic items read below it.
    SChildDefinition ReadChildDefinition(CLCXDomNsxml* pDefine);
    // Every element's child definition, from the cursor's element down;
    // answers that element's shared settings.
    std::shared_ptr<const CLCGIREditConf> ReadDefinitionTree(CLCXDomNsxml* pDefine);


    std::unique_ptr<CLCGIRXMLList> m_pXMLList;
    std::unique_ptr<CLCGIRCheckList> m_pCheckList;
    std::unique_ptr<CLCGIRCsvDataManager> m_pCsvData;   // null after GenerateXMLStructure
    long long m_llMaxLevel = 0;
    std::map<std::array<std::string, 16>, std::shared_ptr<const CLCGIREditConf>> m_mapEditConf;
    std::deque<SChildDefinition> m_dqDefinitions;   // stable places for the maps below
    std::map<std::string, const SChildDefinition*> m_mapDefinitionByItemId;
    std::unordered_map<std::shared_ptr<const CLCGIREditConf>, const SChildDefinition*> m_mapChildDefinition;
    // Rows of order tables already deleted, kept for the next table: a walk
    // makes one table per node.
    std::vector<std::unique_ptr<CLCGIRContainerExt>> m_vecSpareRows;
    // In front of the map: a walk meets a few settings objects over and over.
    struct SDefinitionHit {
        const CLCGIREditConf* pConf = nullptr;
        const SChildDefinition* pDefinition = nullptr;
    };
    std::array<SDefinitionHit, 64> m_aDefinitionHits{};
};
