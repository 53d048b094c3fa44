#include "gir/CLCGIRCheckDefManager.h"
#include "gir/CLCGIRDefinitionText.h"

bool CLCGIRCheckDefManager::CreateGIRCheckDefinition(unsigned short usId)
{
    return CLCGIRDefinitionText::LoadDom(usId,
                                         "CLCGIRCheckDefManager::CreateGIRCheckDefinition",
                                         "定義読込みに必要な情報が準備されていません。",
                                         m_domData);
}
