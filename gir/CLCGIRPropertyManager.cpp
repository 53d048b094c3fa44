#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRCheckDefManager.h"
#include "gir/CLCGIREditDefManager.h"
#include "gir/CLCGIRElementListManager.h"

std::unique_ptr<CLCGIRPropertyManager>& CLCGIRPropertyManager::Holder()
{
    static std::unique_ptr<CLCGIRPropertyManager> pInstance;
    return pInstance;
}

CLCGIRPropertyManager* CLCGIRPropertyManager::instance()
{
    std::unique_ptr<CLCGIRPropertyManager>& pInstance = Holder();
    if (!pInstance) {
        pInstance.reset(new CLCGIRPropertyManager());
        pInstance->Initialize();
    }
    return pInstance.get();
}

void CLCGIRPropertyManager::destroy()
{
    Holder().reset();
}

CLCGIRPropertyManager::~CLCGIRPropertyManager()
{
    Terminate();
}

void CLCGIRPropertyManager::Initialize()
{
    m_pCheckDef = std::make_unique<CLCGIRCheckDefManager>();
    m_pEditDef = std::make_unique<CLCGIREditDefManager>();
    m_pElementList = std::make_unique<CLCGIRElementListManager>();
}

void CLCGIRPropertyManager::Terminate()
{
    m_pCheckDef.reset();
    m_pEditDef.reset();
    m_pElementList.reset();
}

bool CLCGIRPropertyManager::LoadCheckDefinition(unsigned short usId)
{
    return m_pCheckDef && m_pCheckDef->CreateGIRCheckDefinition(usId);
}

bool CLCGIRPropertyManager::LoadEditDefinition(unsigned short usId)
{
    return m_pEditDef && m_pEditDef->CreateGIREditDefinition(usId);
}

bool CLCGIRPropertyManager::LoadElementList(unsigned short usId)
{
    return m_pElementList && m_pElementList->CreateGIRElementList(usId);
}

CLCXDomNsxml* CLCGIRPropertyManager::GetCheckDefDomData()
{
    return m_pCheckDef ? m_pCheckDef->GetDomData() : nullptr;
}

CLCXDomNsxml* CLCGIRPropertyManager::GetEditDefDomData()
{
    return m_pEditDef ? m_pEditDef->GetDomData() : nullptr;
}

bool CLCGIRPropertyManager::FindElementList(const std::string& strName) const
{
    return m_pElementList && m_pElementList->SearchElementList(strName);
}
