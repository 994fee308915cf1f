#include "app/latexhelp.h"

#include "platform/hostprocess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {
const char *const Names[] = {"latex2e.html", "latex2e.pdf", "latex2e.hlp"};
} // namespace

QStringList LatexHelp::defaultDocumentationDirs()
{
    return {QStringLiteral("/usr/share/texlive/texmf-dist/doc/latex/latex2e-help-texinfo"),
            QStringLiteral("/usr/share/doc/texlive-doc/latex/latex2e-help-texinfo"),
            QStringLiteral("/usr/share/doc/latex2e-help-texinfo")};
}

LatexHelp::LatexHelp(Host host)
    : m_host(std::move(host))
{
    if (m_host.programDir.isEmpty())
        m_host.programDir = QCoreApplication::applicationDirPath();
}

QString LatexHelp::askTexdoc() const
{
    if (m_host.texdoc.isEmpty() || HostProcess::findProgram(m_host.texdoc).isEmpty())
        return {};
    // "-l -M": list the matches, one per line: name, score, path, language, description.
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(HostProcess::findProgram(m_host.texdoc),
            {QStringLiteral("-l"), QStringLiteral("-M"), QStringLiteral("latex2e")});
    if (!p.waitForFinished(15000)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3 || fields.at(1).toDouble() <= 0)
            continue;
        const QString path = QString::fromLocal8Bit(fields.at(2));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString LatexHelp::findReference() const
{
    for (const char *name : Names) {
        const QFileInfo beside(QDir(m_host.programDir), QString::fromLatin1(name));
        if (beside.isFile())
            return beside.absoluteFilePath();
    }
    const QString fromTexdoc = askTexdoc();
    if (!fromTexdoc.isEmpty())
        return fromTexdoc;
    for (const QString &dir : m_host.documentationDirs)
        for (const char *name : Names) {
            const QFileInfo installed(QDir(dir), QString::fromLatin1(name));
            if (installed.isFile())
                return installed.absoluteFilePath();
        }
    return {};
}

bool LatexHelp::open() const
{
    const QString reference = findReference();
    if (reference.isEmpty())
        return false;
    return HostProcess::startDetached(m_host.opener, {reference}, QFileInfo(reference).absolutePath()).started;
}
