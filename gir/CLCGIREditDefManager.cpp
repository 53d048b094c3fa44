#include "gir/CLCGIREditDefManager.h"
#include "gir/CLCGIRDefinitionText.h"

bool CLCGIREditDefManager::CreateGIREditDefinition(unsigned short usId)
{
    return CLCGIRDefinitionText::LoadDom(usId,
                                         "CLCGIREditDefManager::CreateGIREditDefinition",
                                         "引数エラー。定義読込みに必要な情報が準備されていません。",
                                         m_domData);
}
