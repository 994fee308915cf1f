// Scriblet entry point.
#include "app/cmainframe.h"
#include "app/cshellapp.h"
#include "app/widgetprompter.h"
#include "common/cshellsettings.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The icon of every window, the same drawing as the installed theme icon; the
    // desktop entry's name lets the desktop match the windows to it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/scriblet.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("scriblet"));
    CShellSettings settings;
    WidgetPrompter prompter;
    CShellApp shell(&settings, &prompter);
    prompter.beforeModal = [&shell] { shell.closeSplash(); };
    switch (shell.start(app.arguments().mid(1))) {
    case CShellApp::StartResult::HandedOver:
        return 0;
    case CShellApp::StartResult::Failed:
        return 1;
    case CShellApp::StartResult::Running:
        break;
    }
    prompter.setParentWidget(shell.frame());
    const int rc = app.exec();
    shell.exit();
    return rc;
}
