#include "app/cshellsettings.h"

#include "platform/associations.h"
#include "platform/paths.h"
#include "resources/strings.h"

#include <QDir>

namespace {

CShellSettings *g_settings = nullptr;

const char *const UmlautKeys[UmlautCount] = {"klein a", "gross A", "klein o", "gross O",
                                             "klein u", "gross U", "sz"};
const char *const UmlautDefaults[UmlautCount] = {"\"a", "\"A", "\"o", "\"O", "\"u", "\"U", "\"s"};

struct ColourKey {
    const char *key;
    unsigned def;
};
// In ColourIndex order.
const ColourKey ColourKeys[ColourCount] = {
    {"Geschweifte Klammern", 255},  {"Eckige Klammern", 65280}, {"Bemerkung", 12632256},
    {"Normaler Text", 0},           {"MatheMode", 16711935},    {"LaTex Befehle", 16711680},
    {"Hintergrund", 16777215},
};

QString k(const char *key) { return QString::fromLatin1(key); }

// sscanf-like number: blanks skipped, optional sign, at least one digit.
bool scanNumber(const QString &s, int &pos, qint64 &value)
{
    while (pos < s.size() && (s.at(pos) == u' ' || s.at(pos) == u'\t' || s.at(pos) == u'\n'
                              || s.at(pos) == u'\r' || s.at(pos) == u'\v' || s.at(pos) == u'\f'))
        ++pos;
    bool neg = false;
    if (pos < s.size() && (s.at(pos) == u'-' || s.at(pos) == u'+')) {
        // %u accepts a sign too; a negative value wraps, as sscanf's does.
        neg = s.at(pos) == u'-';
        ++pos;
    }
    const int start = pos;
    qint64 v = 0;
    while (pos < s.size() && s.at(pos).isDigit() && s.at(pos).unicode() < 128) {
        if (v < (qint64(1) << 40))
            v = v * 10 + (s.at(pos).unicode() - '0');
        ++pos;
    }
    if (pos == start)
        return false;
    value = neg ? -v : v;
    return true;
}

} // namespace

// ---------------------------------------------------------------------------

std::optional<WindowPlacement> WindowPlacement::parse(const QString &text)
{
    qint64 v[10];
    int pos = 0;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text.at(pos) != u',')
                return std::nullopt;
            ++pos;
        }
        if (!scanNumber(text, pos, v[i]))
            return std::nullopt;
    }
    WindowPlacement p;
    p.flags = unsigned(v[0]);
    p.showCmd = unsigned(v[1]);
    p.minX = int(v[2]);
    p.minY = int(v[3]);
    p.maxX = int(v[4]);
    p.maxY = int(v[5]);
    p.left = int(v[6]);
    p.top = int(v[7]);
    p.right = int(v[8]);
    p.bottom = int(v[9]);
    return p;
}

QString WindowPlacement::format() const
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
        .arg(flags)
        .arg(showCmd)
        .arg(minX)
        .arg(minY)
        .arg(maxX)
        .arg(maxY)
        .arg(left)
        .arg(top)
        .arg(right)
        .arg(bottom);
}

// ---------------------------------------------------------------------------

CShellSettings::CShellSettings(const QString &settingsDir)
{
    dviViewerLookup = [] { return Associations::defaultDviViewer(); };
    psViewerLookup = [] { return Associations::defaultPsViewer(); };
    for (int i = 0; i < UmlautCount; ++i)
        umlauts[i] = k(UmlautDefaults[i]);
    for (int i = 0; i < ColourCount; ++i)
        colours[i] = ColourKeys[i].def;
    pageHeader = m_readHeader = Str::PageHeaderDefault;
    pageFooter = m_readFooter = Str::PageFooterDefault;
    setSettingsDir(settingsDir);
}

CShellSettings::~CShellSettings()
{
    if (g_settings == this)
        g_settings = nullptr;
}

CShellSettings *CShellSettings::global() { return g_settings; }
void CShellSettings::setGlobal(CShellSettings *settings) { g_settings = settings; }

void CShellSettings::setSettingsDir(const QString &dir)
{
    m_settingsDir = Paths::withTrailingSlash(dir);
    m_profile = std::make_unique<Profile>(iniPath());
}

QString CShellSettings::iniPath() const { return m_settingsDir + QStringLiteral("Scriblet.ini"); }

// ---------------------------------------------------------------------------

bool CShellSettings::readAll()
{
    const bool changed = checkVersion();
    readToolSettings();
    readMainDocument();
    readUmlauts();
    readColours();
    readWrapMode();
    readUserTools();
    readFont();
    return changed;
}

QString CShellSettings::storedVersion() const { return m_profile->getString(ShellIni::General, k("Version")); }

bool CShellSettings::checkVersion()
{
    const QString version = QString::fromLatin1(ScribletVersion);
    const bool changed = storedVersion() != version;
    if (changed)
        m_profile->writeString(ShellIni::MainToolbarSection, k("Buttons"), QString());
    m_profile->writeString(ShellIni::General, k("Version"), version);
    return changed;
}

void CShellSettings::readToolSettings()
{
    const Profile &p = *m_profile;
    bibtex.exe = p.getString(ShellIni::BibtexSettings, k("exe"), k("bibtex"));
    bibtex.cmd = p.getString(ShellIni::BibtexSettings, k("cmd"), k("%s"));
    bibtex.runtex = p.getInt(ShellIni::BibtexSettings, k("runtex"), 1);

    tex.exe = p.getString(ShellIni::TexSettings, k("exe"), k("latex"));
    tex.cmd = p.getString(ShellIni::TexSettings, k("cmd"), k("%s"));

    dviViewer.exe = p.getString(ShellIni::DviSettings, k("exe"), dviViewerLookup ? dviViewerLookup() : k("xdvi"));
    dviViewer.cmd = p.getString(ShellIni::DviSettings, k("cmd"), k("%s"));
    dviViewer.runtex = p.getInt(ShellIni::DviSettings, k("runtex"), 1);

    dvips.exe = p.getString(ShellIni::DvipsSettings, k("exe"), k("dvips"));
    dvips.cmd = p.getString(ShellIni::DvipsSettings, k("cmd"), k("-D600 %s"));
    dvips.runtex = p.getInt(ShellIni::DvipsSettings, k("runtex"), 1);

    psViewer.exe = p.getString(ShellIni::PsSettings, k("exe"), psViewerLookup ? psViewerLookup() : k("gv"));
    psViewer.cmd = p.getString(ShellIni::PsSettings, k("cmd"), k("%s"));
    psViewer.rundvips = p.getInt(ShellIni::PsSettings, k("rundvips"), 1);
    psViewer.runtex = p.getInt(ShellIni::PsSettings, k("runtex"), 1);
}

bool CShellSettings::writeToolSettings()
{
    Profile &p = *m_profile;
    bool ok = true;
    ok &= p.writeString(ShellIni::BibtexSettings, k("exe"), bibtex.exe);
    ok &= p.writeString(ShellIni::BibtexSettings, k("cmd"), bibtex.cmd);
    ok &= p.writeInt(ShellIni::BibtexSettings, k("runtex"), bibtex.runtex);
    ok &= p.writeString(ShellIni::TexSettings, k("exe"), tex.exe);
    ok &= p.writeString(ShellIni::TexSettings, k("cmd"), tex.cmd);
    ok &= p.writeString(ShellIni::DviSettings, k("exe"), dviViewer.exe);
    ok &= p.writeString(ShellIni::DviSettings, k("cmd"), dviViewer.cmd);
    ok &= p.writeInt(ShellIni::DviSettings, k("runtex"), dviViewer.runtex);
    ok &= p.writeString(ShellIni::DvipsSettings, k("exe"), dvips.exe);
    ok &= p.writeString(ShellIni::DvipsSettings, k("cmd"), dvips.cmd);
    ok &= p.writeInt(ShellIni::DvipsSettings, k("runtex"), dvips.runtex);
    ok &= p.writeString(ShellIni::PsSettings, k("exe"), psViewer.exe);
    ok &= p.writeString(ShellIni::PsSettings, k("cmd"), psViewer.cmd);
    ok &= p.writeInt(ShellIni::PsSettings, k("rundvips"), psViewer.rundvips);
    ok &= p.writeInt(ShellIni::PsSettings, k("runtex"), psViewer.runtex);
    return ok;
}

void CShellSettings::readUserTools()
{
    const Profile &p = *m_profile;
    for (int n = 0; n < 10; ++n) {
        const QString num = QString::number(n);
        const QString def = QString::number(n + 1);
        UserToolSettings &t = userTools[n];
        t.name = p.getString(ShellIni::UserToolsSettings, k("name") + num, k("Tool ") + def);
        t.exe = p.getString(ShellIni::UserToolsSettings, k("exe") + num, k("Exe ") + def);
        t.cmd = p.getString(ShellIni::UserToolsSettings, k("cmd") + num, k("Cmd ") + def);
        t.rundvips = p.getInt(ShellIni::UserToolsSettings, k("rundvips") + num, 1);
        t.runtex = p.getInt(ShellIni::UserToolsSettings, k("runtex") + num, 1);
    }
}

bool CShellSettings::writeUserTools()
{
    Profile &p = *m_profile;
    bool ok = true;
    for (int n = 0; n < 10; ++n) {
        const QString num = QString::number(n);
        const UserToolSettings &t = userTools[n];
        ok &= p.writeString(ShellIni::UserToolsSettings, k("name") + num, t.name);
        ok &= p.writeString(ShellIni::UserToolsSettings, k("exe") + num, t.exe);
        ok &= p.writeString(ShellIni::UserToolsSettings, k("cmd") + num, t.cmd);
        ok &= p.writeInt(ShellIni::UserToolsSettings, k("rundvips") + num, t.rundvips);
        ok &= p.writeInt(ShellIni::UserToolsSettings, k("runtex") + num, t.runtex);
    }
    return ok;
}

// ---------------------------------------------------------------------------

void CShellSettings::readMainDocument()
{
    m_mainTex = m_profile->getString(ShellIni::TexSettings, k("maintex"));
    m_mainPath = m_profile->getString(ShellIni::TexSettings, k("mainpath"), k("."));
}

void CShellSettings::splitMainDocument(const QString &fullPath, QString *mainPath, QString *mainTex)
{
    const int cut = std::max(fullPath.lastIndexOf(u'/'), fullPath.lastIndexOf(u'\\'));
    if (cut < 0) {
        *mainPath = k(".");
        *mainTex = fullPath;
        return;
    }
    *mainPath = fullPath.left(cut);
    // A document in the root directory keeps the root as its directory.
    if (mainPath->isEmpty())
        *mainPath = fullPath.left(1);
    *mainTex = fullPath.mid(cut + 1);
}

bool CShellSettings::setMainDocument(const QString &mainPath, const QString &mainTex)
{
    m_mainPath = mainPath;
    m_mainTex = mainTex;
    bool ok = m_profile->writeString(ShellIni::TexSettings, k("maintex"), m_mainTex);
    ok &= m_profile->writeString(ShellIni::TexSettings, k("mainpath"), m_mainPath);
    enterMainPath();
    return ok;
}

bool CShellSettings::setMainDocumentPath(const QString &fullPath)
{
    QString path, tex;
    splitMainDocument(fullPath, &path, &tex);
    return setMainDocument(path, tex);
}

bool CShellSettings::enterMainPath() const
{
    return !m_mainPath.isEmpty() && QDir::setCurrent(m_mainPath);
}

// ---------------------------------------------------------------------------

void CShellSettings::readUmlauts()
{
    for (int i = 0; i < UmlautCount; ++i)
        umlauts[i] = m_profile->getString(ShellIni::Umlaute, k(UmlautKeys[i]), k(UmlautDefaults[i]));
}

bool CShellSettings::writeUmlauts()
{
    bool ok = true;
    for (int i = 0; i < UmlautCount; ++i)
        ok &= m_profile->writeString(ShellIni::Umlaute, k(UmlautKeys[i]), umlauts[i]);
    return ok;
}

std::optional<QString> CShellSettings::umlautReplacement(QChar typed) const
{
    if (language != 0)
        return std::nullopt;
    // In UmlautIndex order: ä Ä ö Ö ü Ü ß.
    static const char16_t chars[UmlautCount] = {u'\u00e4', u'\u00c4', u'\u00f6', u'\u00d6',
                                                u'\u00fc', u'\u00dc', u'\u00df'};
    for (int i = 0; i < UmlautCount; ++i)
        if (typed == QChar(chars[i]))
            return umlauts[i];
    return std::nullopt;
}

void CShellSettings::readColours()
{
    syntaxHighlighting = m_profile->getInt(ShellIni::Farben, k("Syntax Highlightning"), 0);
    for (int i = 0; i < ColourCount; ++i)
        colours[i] = unsigned(m_profile->getInt(ShellIni::Farben, k(ColourKeys[i].key), int(ColourKeys[i].def)));
}

void CShellSettings::readWrapMode() { wrapMode = m_profile->getInt(ShellIni::General, k("WrapMode"), 0); }

bool CShellSettings::setWrapMode(int mode)
{
    wrapMode = mode ? 1 : 0;
    return m_profile->writeInt(ShellIni::General, k("WrapMode"), wrapMode);
}

// ---------------------------------------------------------------------------

void CShellSettings::readFont()
{
    const Profile &p = *m_profile;
    const QString &s = ShellIni::Font;
    EditorFont f;
    f.height = p.getInt(s, k("Height"), -13);
    if (f.height == 0) {
        m_hasFont = false;
        font = EditorFont();
        font.height = 0;
        return;
    }
    f.width = p.getInt(s, k("Width"), 0);
    f.escapement = p.getInt(s, k("Escapement"), 0);
    f.orientation = p.getInt(s, k("Orientation"), 0);
    f.weight = p.getInt(s, k("Weight"), 400);
    f.italic = quint8(p.getInt(s, k("Italic"), 0));
    f.underline = quint8(p.getInt(s, k("Underline"), 0));
    f.strikeOut = quint8(p.getInt(s, k("StrikeOut"), 0));
    f.charSet = quint8(p.getInt(s, k("CharSet"), 0));
    f.outPrecision = quint8(p.getInt(s, k("OutPrecision"), 3));
    f.clipPrecision = quint8(p.getInt(s, k("ClipPrecision"), 2));
    f.quality = quint8(p.getInt(s, k("Quality"), 1));
    f.pitchAndFamily = quint8(p.getInt(s, k("PitchAndFamily"), 49));
    f.faceName = p.getString(s, k("FaceName"), k("Courier New")).left(31);
    font = f;
    m_hasFont = true;
}

bool CShellSettings::writeFont(const EditorFont &f)
{
    if (f.height == 0)
        return true;
    Profile &p = *m_profile;
    const QString &s = ShellIni::Font;
    bool ok = true;
    ok &= p.writeInt(s, k("Height"), f.height);
    ok &= p.writeInt(s, k("Width"), f.width);
    ok &= p.writeInt(s, k("Escapement"), f.escapement);
    ok &= p.writeInt(s, k("Orientation"), f.orientation);
    ok &= p.writeInt(s, k("Weight"), f.weight);
    ok &= p.writeInt(s, k("Italic"), f.italic);
    ok &= p.writeInt(s, k("Underline"), f.underline);
    ok &= p.writeInt(s, k("StrikeOut"), f.strikeOut);
    ok &= p.writeInt(s, k("CharSet"), f.charSet);
    ok &= p.writeInt(s, k("OutPrecision"), f.outPrecision);
    ok &= p.writeInt(s, k("ClipPrecision"), f.clipPrecision);
    ok &= p.writeInt(s, k("Quality"), f.quality);
    ok &= p.writeInt(s, k("PitchAndFamily"), f.pitchAndFamily);
    ok &= p.writeString(s, k("FaceName"), f.faceName.left(31));
    if (ok) {
        font = f;
        font.faceName = f.faceName.left(31);
        m_hasFont = true;
    }
    return ok;
}

// ---------------------------------------------------------------------------

int CShellSettings::readLanguage()
{
    const int v = m_profile->getInt(ShellIni::General, k("Language"), 99);
    if (v != 99)
        language = (v >= 0 && v <= 2) ? v : 0;
    return v;
}

bool CShellSettings::setLanguage(int index)
{
    language = (index >= 0 && index <= 2) ? index : 0;
    return m_profile->writeInt(ShellIni::General, k("Language"), language);
}

void CShellSettings::readPageSetup()
{
    pageHeader = m_readHeader = m_profile->getString(ShellIni::PageSetup, k("Header"), Str::PageHeaderDefault);
    pageFooter = m_readFooter = m_profile->getString(ShellIni::PageSetup, k("Footer"), Str::PageFooterDefault);
}

bool CShellSettings::writePageSetupIfChanged()
{
    bool ok = true;
    if (pageHeader != m_readHeader && (ok &= m_profile->writeString(ShellIni::PageSetup, k("Header"), pageHeader)))
        m_readHeader = pageHeader;
    if (pageFooter != m_readFooter && (ok &= m_profile->writeString(ShellIni::PageSetup, k("Footer"), pageFooter)))
        m_readFooter = pageFooter;
    return ok;
}

std::optional<WindowPlacement> CShellSettings::readWindowPlacement() const
{
    return WindowPlacement::parse(m_profile->getString(ShellIni::GeneralSettings, k("WindowPos")));
}

bool CShellSettings::writeWindowPlacement(const WindowPlacement &p)
{
    return m_profile->writeString(ShellIni::GeneralSettings, k("WindowPos"), p.format());
}
