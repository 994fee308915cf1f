#include "programcalls/texcommands.h"

#include "programcalls/programcallshost.h"

#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

QString TexCommands::mainDirectory() const
{
    const QString main = m_host.mainFile();
    if (main.isEmpty())
        return {};
    return QFileInfo(main).absolutePath();
}

bool TexCommands::ensureMainFile()
{
    if (!m_host.mainFile().isEmpty())
        return true;
    return m_host.selectMainFile() && !m_host.mainFile().isEmpty();
}

bool TexCommands::openMainFile()
{
    if (!ensureMainFile())
        return false;
    const QString main = m_host.mainFile();
    m_host.openFile(main);
    m_host.showMainFile(main);
    QDir::setCurrent(mainDirectory());
    return true;
}

bool TexCommands::compile()
{
    if (!ensureMainFile())
        return false;
    return m_compiler.compile();
}

bool TexCommands::preview()
{
    if (!ensureMainFile())
        return false;
    return m_runner.runTemplate(m_host.templates().preview, mainDirectory());
}

bool TexCommands::showLogFile()
{
    if (!ensureMainFile())
        return false;
    return m_compiler.showLogFile();
}

bool TexCommands::runTemplate(const QString &commandTemplate)
{
    return m_runner.runTemplate(commandTemplate);
}

bool TexCommands::execute(const QString &commandLine)
{
    return m_runner.run(commandLine);
}

bool TexCommands::openDocument(const QString &path)
{
    // The clean-up acts on the current directory, which follows this directory too.
    const QString dir = m_host.mainFile().isEmpty() ? Paths::programDirectory() : mainDirectory();
    QDir::setCurrent(dir);
    return m_runner.open(path, dir);
}
