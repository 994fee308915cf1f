#include "programcalls/programcallshost.h"

#include "platform/associations.h"

bool ProgramCallsHost::openWithDesktop(const QString &target, const QString &workingDir, QString *error)
{
    return Associations::openWithDesktop(target, workingDir, error);
}
