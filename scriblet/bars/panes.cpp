#include "bars/panes.h"

#include "app/cmainframe.h"
#include "app/commandids.h"
#include "bars/ccontrolbarex.h"
#include "project/cprojectbar.h"
#include "project/projectwiring.h"

namespace Panes {

CControlBarEx *createLogBar(CMainFrame *frame)
{
    return new CControlBarEx(Cmd::ViewLogBar, QStringLiteral("LogBar"), frame);
}

CControlBarEx *createProjectBar(CMainFrame *frame)
{
    return ProjectWiring::createProjectBar(frame);
}

} // namespace Panes
