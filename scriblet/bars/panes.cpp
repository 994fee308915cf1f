#include "bars/panes.h"

#include "app/cmainframe.h"
#include "app/commandids.h"
#include "bars/ccontrolbarex.h"
#include "project/cprojectbar.h"
#include "project/projectwiring.h"
#include "tools/clogbar.h"
#include "tools/toolwiring.h"

namespace Panes {

CControlBarEx *createLogBar(CMainFrame *frame)
{
    return ToolWiring::createLogBar(frame);
}

CControlBarEx *createProjectBar(CMainFrame *frame)
{
    return ProjectWiring::createProjectBar(frame);
}

} // namespace Panes
