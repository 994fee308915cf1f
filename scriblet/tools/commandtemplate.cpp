#include "tools/commandtemplate.h"

#include "platform/hostprocess.h"
#include "platform/paths.h"

namespace CommandTemplate {

QString expandBuiltin(const QString &tmpl, const QString &name)
{
    QString out = tmpl;
    return out.replace(QLatin1String("%s"), name);
}

QStringList builtinArguments(const QString &tmpl, const QString &name)
{
    QStringList args = HostProcess::splitCommandLine(tmpl);
    for (QString &a : args)
        a = expandBuiltin(a, name);
    return args;
}

QString UserToolContext::mainBase() const
{
    return maintex.size() >= 4 ? maintex.chopped(4) : QString();
}

QString UserToolContext::mainPathBase() const
{
    if (mainpath.endsWith(QLatin1Char('/')))
        return mainpath + mainBase();
    return mainpath + QLatin1Char('/') + mainBase();
}

static QString activeFileName(const UserToolContext &c)
{
    if (!c.activePath.isEmpty())
        return Paths::fileNamePart(c.activePath);
    QString title = c.activeTitle;
    // The title carries " *" while the document is modified.
    if (title.endsWith(QLatin1String(" *")))
        title.chop(2);
    return title;
}

QString UserToolContext::currentName() const
{
    const QString file = activeFileName(*this);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : file.left(dot);
}

QString UserToolContext::currentPathBase() const
{
    return activePath.size() >= 4 ? activePath.chopped(4) : QString();
}

QString UserToolContext::currentDirectory() const
{
    if (activePath.isEmpty())
        return QString();
    return activePath.left(activePath.size() - Paths::fileNamePart(activePath).size());
}

namespace {

enum class Placeholder { None, S, PS, C, PC, M, PM };

// Placeholder at position i, tested in the fixed order; its length in *len.
Placeholder placeholderAt(const QString &t, qsizetype i, int *len)
{
    static const struct { const char *text; Placeholder kind; } table[] = {
        {"%s", Placeholder::S},  {"%ps", Placeholder::PS}, {"%c", Placeholder::C},
        {"%pc", Placeholder::PC}, {"%m", Placeholder::M},  {"%pm", Placeholder::PM},
    };
    for (const auto &row : table) {
        const QLatin1String text(row.text);
        if (QStringView(t).mid(i).startsWith(text)) {
            *len = int(text.size());
            return row.kind;
        }
    }
    return Placeholder::None;
}

struct ScanResult {
    QString text;
    bool changesDirectory = false;
    QString directory;
    bool needsMain = false;
    bool needsActive = false;
};

ScanResult scan(const QString &t, const UserToolContext &c)
{
    ScanResult r;
    const bool mainSet = !c.maintex.isEmpty();
    qsizetype copiedUpTo = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        int len = 0;
        const Placeholder p = placeholderAt(t, i, &len);
        if (p == Placeholder::None)
            continue;
        r.text += QStringView(t).mid(copiedUpTo, i - copiedUpTo);
        r.changesDirectory = true;
        switch (p) {
        case Placeholder::S:
            r.text += c.mainBase();
            r.directory = c.mainpath;
            r.needsMain = true;
            break;
        case Placeholder::PS:
            r.text += c.mainPathBase();
            r.directory = c.mainpath;
            r.needsMain = true;
            break;
        case Placeholder::C:
            r.text += c.currentName();
            r.directory = c.currentDirectory();
            r.needsActive = true;
            break;
        case Placeholder::PC:
            r.text += c.currentPathBase();
            r.directory = c.currentDirectory();
            r.needsActive = true;
            break;
        case Placeholder::M:
            r.text += mainSet ? c.mainBase() : c.currentName();
            r.directory = mainSet ? c.mainpath : c.currentDirectory();
            break;
        case Placeholder::PM:
            r.text += mainSet ? c.mainPathBase() : c.currentPathBase();
            r.directory = mainSet ? c.mainpath : c.currentDirectory();
            break;
        case Placeholder::None:
            break;
        }
        copiedUpTo = i + len;
        i += len - 1;
    }
    r.text += QStringView(t).mid(copiedUpTo);
    return r;
}

} // namespace

UserToolExpansion expandUserTool(const QString &tmpl, const UserToolContext &ctx)
{
    const ScanResult whole = scan(tmpl, ctx);
    UserToolExpansion e;
    e.commandLine = whole.text;
    e.changesDirectory = whole.changesDirectory;
    e.directory = whole.directory;
    e.needsMain = whole.needsMain;
    e.needsActive = whole.needsActive;
    for (const QString &arg : HostProcess::splitCommandLine(tmpl))
        e.arguments << scan(arg, ctx).text;
    return e;
}

} // namespace CommandTemplate
