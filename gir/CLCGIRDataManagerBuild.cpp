// Tree building, mapping and automatic items: not built yet; every step fails
// with the fatal row so no GIR road can pass through here.
#include "gir/CLCGIRDataManager.h"

#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainerExt.h"

namespace {
bool NotBuilt()
{
    CLCValidResultGIR::instance()->SetFatalError();
    return false;
}
} // namespace

bool CLCGIRDataManager::GenerateXMLStructure() { return NotBuilt(); }
bool CLCGIRDataManager::GenerateXMLStructureFromCSVData() { return NotBuilt(); }
void CLCGIRDataManager::SetContainerWithFileName(const std::string&, const std::string&, CLCGIRCsvData*) { NotBuilt(); }
void CLCGIRDataManager::SetContainer(long, long, long, const std::string&, const std::string&, CLCGIRCsvData*)
{
    NotBuilt();
}
bool CLCGIRDataManager::ConvertHierarchy() { return NotBuilt(); }
bool CLCGIRDataManager::MappingConvDefine() { return NotBuilt(); }
bool CLCGIRDataManager::CreateAutoItem() { return NotBuilt(); }
std::vector<CLCGIRContainerExt*> CLCGIRDataManager::CreateOrderTable(CLCGIRContainer*, CLCXDomNsxml*)
{
    NotBuilt();
    return {};
}
bool CLCGIRDataManager::CheckOrderAppearance(const std::vector<CLCGIRContainerExt*>&) { return NotBuilt(); }
bool CLCGIRDataManager::CheckAutoItem(const std::vector<CLCGIRContainerExt*>&) { return NotBuilt(); }
bool CLCGIRDataManager::InsertAutoItem(CLCGIRContainer*, CLCXDomNsxml*, const std::vector<CLCGIRContainerExt*>&)
{
    return NotBuilt();
}
CLCGIRContainer* CLCGIRDataManager::CreateAutoItem(CLCGIRContainer*, CLCXDomNsxml*)
{
    NotBuilt();
    return nullptr;
}
void CLCGIRDataManager::DeleteOrderTable(std::vector<CLCGIRContainerExt*>& vecOrderTable)
{
    for (CLCGIRContainerExt* pRow : vecOrderTable)
        delete pRow;
    vecOrderTable.clear();
}
