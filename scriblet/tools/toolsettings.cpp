#include "tools/toolsettings.h"

#include "platform/profile.h"

namespace {

const QString TexSection = QStringLiteral("TeX Settings");
const QString BibtexSection = QStringLiteral("BibTeX Settings");
const QString DviWinSection = QStringLiteral("DVIWin Settings");
const QString DvipsSection = QStringLiteral("DVIPS Settings");
const QString GhostViewSection = QStringLiteral("GhostView Settings");
const QString UserSection = QStringLiteral("UserTools Settings");

void readExeCmd(const Profile &p, const QString &section, BuiltinTool &t)
{
    t.exe = p.getString(section, QStringLiteral("exe"), t.exe);
    t.cmd = p.getString(section, QStringLiteral("cmd"), t.cmd);
}

bool writeExeCmd(Profile &p, const QString &section, const BuiltinTool &t)
{
    return p.writeString(section, QStringLiteral("exe"), t.exe)
        && p.writeString(section, QStringLiteral("cmd"), t.cmd);
}

} // namespace

ToolSettings ToolSettings::defaults(const QString &dviViewer, const QString &psViewer)
{
    ToolSettings s;
    s.tex = {QStringLiteral("latex"), QStringLiteral("%s"), 1, 1};
    s.bibtex = {QStringLiteral("bibtex"), QStringLiteral("%s"), 1, 1};
    s.dviwin = {dviViewer, QStringLiteral("%s"), 1, 1};
    s.dvips = {QStringLiteral("dvips"), QStringLiteral("-D600 %s"), 1, 1};
    s.ghostview = {psViewer, QStringLiteral("%s"), 1, 1};
    for (int n = 0; n < UserToolCount; ++n) {
        const QString number = QString::number(n + 1);
        s.user[n] = {QStringLiteral("Tool ") + number, QStringLiteral("Exe ") + number,
                     QStringLiteral("Cmd ") + number, 1, 1};
    }
    return s;
}

void ToolSettings::readTools(const Profile &p, const QString &dviViewer, const QString &psViewer)
{
    const ToolSettings d = defaults(dviViewer, psViewer);
    const QString runtex = QStringLiteral("runtex");
    const QString rundvips = QStringLiteral("rundvips");

    bibtex = d.bibtex;
    readExeCmd(p, BibtexSection, bibtex);
    bibtex.runtex = p.getInt(BibtexSection, runtex, 1);

    tex = d.tex;
    readExeCmd(p, TexSection, tex);

    dviwin = d.dviwin;
    readExeCmd(p, DviWinSection, dviwin);
    dviwin.runtex = p.getInt(DviWinSection, runtex, 1);

    dvips = d.dvips;
    readExeCmd(p, DvipsSection, dvips);
    dvips.runtex = p.getInt(DvipsSection, runtex, 1);

    ghostview = d.ghostview;
    readExeCmd(p, GhostViewSection, ghostview);
    ghostview.rundvips = p.getInt(GhostViewSection, rundvips, 1);
    ghostview.runtex = p.getInt(GhostViewSection, runtex, 1);

    for (int n = 0; n < UserToolCount; ++n) {
        const QString k = QString::number(n);
        UserTool &t = user[n];
        t.name = p.getString(UserSection, QStringLiteral("name") + k, d.user[n].name);
        t.exe = p.getString(UserSection, QStringLiteral("exe") + k, d.user[n].exe);
        t.cmd = p.getString(UserSection, QStringLiteral("cmd") + k, d.user[n].cmd);
        t.rundvips = p.getInt(UserSection, rundvips + k, 1);
        t.runtex = p.getInt(UserSection, runtex + k, 1);
    }
}

void ToolSettings::readMainDocument(const Profile &p)
{
    maintex = p.getString(TexSection, QStringLiteral("maintex"));
    mainpath = p.getString(TexSection, QStringLiteral("mainpath"), QStringLiteral("."));
}

bool ToolSettings::writeToolKeys(Profile &p) const
{
    const QString runtex = QStringLiteral("runtex");
    const QString rundvips = QStringLiteral("rundvips");
    bool ok = writeExeCmd(p, BibtexSection, bibtex) && p.writeInt(BibtexSection, runtex, bibtex.runtex);
    ok = ok && writeExeCmd(p, TexSection, tex);
    ok = ok && writeExeCmd(p, DviWinSection, dviwin) && p.writeInt(DviWinSection, runtex, dviwin.runtex);
    ok = ok && writeExeCmd(p, DvipsSection, dvips) && p.writeInt(DvipsSection, runtex, dvips.runtex);
    ok = ok && writeExeCmd(p, GhostViewSection, ghostview)
        && p.writeInt(GhostViewSection, rundvips, ghostview.rundvips)
        && p.writeInt(GhostViewSection, runtex, ghostview.runtex);
    for (int n = 0; ok && n < UserToolCount; ++n) {
        const QString k = QString::number(n);
        const UserTool &t = user[n];
        ok = p.writeString(UserSection, QStringLiteral("name") + k, t.name)
            && p.writeString(UserSection, QStringLiteral("exe") + k, t.exe)
            && p.writeString(UserSection, QStringLiteral("cmd") + k, t.cmd)
            && p.writeInt(UserSection, rundvips + k, t.rundvips)
            && p.writeInt(UserSection, runtex + k, t.runtex);
    }
    return ok;
}

bool ToolSettings::writeMainDocument(Profile &p) const
{
    return p.writeString(TexSection, QStringLiteral("maintex"), maintex)
        && p.writeString(TexSection, QStringLiteral("mainpath"), mainpath);
}
