#include "foundation/CLCCbCCommon.h"

CLCCbCCommon::EXEC_MODE CLCCbCCommon::m_execMode = CLCCbCCommon::EXEC_MODE_NONE;

void CLCCbCCommon::setExecMode(EXEC_MODE mode)
{
    m_execMode = mode;
}

CLCCbCCommon::EXEC_MODE CLCCbCCommon::getExecMode()
{
    return m_execMode;
}

bool CLCCbCCommon::isGIRProcessMode()
{
    return m_execMode == EXEC_MODE_GIR;
}
