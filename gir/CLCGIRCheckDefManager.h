#pragma once
#include "foundation/xml/CLCXDomNsxml.h"

// Holds the GIR check definition 211 as a navigable DOM document for the whole run.
class CLCGIRCheckDefManager {
public:
    CLCGIRCheckDefManager() = default;
    virtual ~CLCGIRCheckDefManager() = default;
    CLCGIRCheckDefManager(const CLCGIRCheckDefManager&) = delete;
    CLCGIRCheckDefManager& operator=(const CLCGIRCheckDefManager&) = delete;

    // Replaces the document by the definition file usId. False for id 0 (logged,
    // no row), for a missing or empty file (fatal row) and for a parse failure
    // (recorded by the document); the cursor then stands on the root element.
    bool CreateGIRCheckDefinition(unsigned short usId);

    // The manager's own document, never null; every user shares its cursor.
    CLCXDomNsxml* GetDomData() { return &m_domData; }

private:
    CLCXDomNsxml m_domData;
};
