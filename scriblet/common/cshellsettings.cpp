#include "common/cshellsettings.h"

#include "platform/associations.h"
#include "platform/paths.h"

#include <QDir>

namespace {

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

// ---------------------------------------------------------------------------
// The key tables: each section and key of the settings file once, in the order
// the file is read and written.

namespace {

// One key of a record type R: the member it fills, its default. In numbered
// sections (the user tools) the key carries n and "%1" in a text default n + 1.
template<typename R> struct Field {
    const char *key;
    QString R::*text = nullptr;
    int R::*number = nullptr;
    quint8 R::*byte = nullptr;
    const char *textDefault = "";
    int numberDefault = 0;
};

template<typename R> Field<R> textField(const char *key, QString R::*m, const char *def)
{
    Field<R> f{key};
    f.text = m;
    f.textDefault = def;
    return f;
}
template<typename R> Field<R> intField(const char *key, int R::*m, int def)
{
    Field<R> f{key};
    f.number = m;
    f.numberDefault = def;
    return f;
}
template<typename R> Field<R> byteField(const char *key, quint8 R::*m, int def)
{
    Field<R> f{key};
    f.byte = m;
    f.numberDefault = def;
    return f;
}

template<typename R>
void readField(const Profile &p, const QString &section, const Field<R> &f, R &r, int n = -1)
{
    const QString key = n < 0 ? k(f.key) : k(f.key) + QString::number(n);
    if (f.text) {
        const QString def = n < 0 ? k(f.textDefault) : QString::fromLatin1(f.textDefault).arg(n + 1);
        r.*f.text = p.getString(section, key, def);
    } else if (f.number) {
        r.*f.number = p.getInt(section, key, f.numberDefault);
    } else {
        r.*f.byte = quint8(p.getInt(section, key, f.numberDefault));
    }
}

template<typename R>
bool writeField(Profile &p, const QString &section, const Field<R> &f, const R &r, int n = -1)
{
    const QString key = n < 0 ? k(f.key) : k(f.key) + QString::number(n);
    if (f.text)
        return p.writeString(section, key, r.*f.text);
    if (f.number)
        return p.writeInt(section, key, r.*f.number);
    return p.writeInt(section, key, r.*f.byte);
}

// "TeX Settings" and the other four tool sections. Which of the flags a section
// holds, and in which order, is part of the file: GhostView stores "rundvips"
// before "runtex", TeX stores neither.
enum ToolFlags { NoFlags = 0, RunTex = 1, RunDvipsThenTex = 2 };
struct ToolSection {
    const QString *section;
    ToolSettings CShellSettings::*tool;
    const char *exeDefault; // nullptr: the associated viewer (see viewer below)
    std::function<QString()> CShellSettings::*viewer;
    const char *cmdDefault;
    ToolFlags flags;
};

QList<Field<ToolSettings>> toolFields(ToolFlags flags, const char *exeDefault, const char *cmdDefault)
{
    QList<Field<ToolSettings>> f = {textField("exe", &ToolSettings::exe, exeDefault ? exeDefault : ""),
                                    textField("cmd", &ToolSettings::cmd, cmdDefault)};
    if (flags == RunDvipsThenTex)
        f << intField("rundvips", &ToolSettings::rundvips, 1);
    if (flags != NoFlags)
        f << intField("runtex", &ToolSettings::runtex, 1);
    return f;
}

const QList<ToolSection> &toolSections()
{
    static const QList<ToolSection> sections = {
        {&ShellIni::BibtexSettings, &CShellSettings::bibtex, "bibtex", nullptr, "%s", RunTex},
        {&ShellIni::TexSettings, &CShellSettings::tex, "latex", nullptr, "%s", NoFlags},
        {&ShellIni::DviSettings, &CShellSettings::dviViewer, nullptr, &CShellSettings::dviViewerLookup, "%s", RunTex},
        {&ShellIni::DvipsSettings, &CShellSettings::dvips, "dvips", nullptr, "-D600 %s", RunTex},
        {&ShellIni::PsSettings, &CShellSettings::psViewer, nullptr, &CShellSettings::psViewerLookup, "%s",
         RunDvipsThenTex},
    };
    return sections;
}

const QList<Field<UserToolSettings>> &userToolFields()
{
    static const QList<Field<UserToolSettings>> fields = {
        textField("name", &UserToolSettings::name, "Tool %1"),
        textField("exe", &UserToolSettings::exe, "Exe %1"),
        textField("cmd", &UserToolSettings::cmd, "Cmd %1"),
        intField("rundvips", &UserToolSettings::rundvips, 1),
        intField("runtex", &UserToolSettings::runtex, 1),
    };
    return fields;
}

// "Font": reading stops after "Height" (the first field) when it is 0.
const QList<Field<EditorFont>> &fontFields()
{
    static const QList<Field<EditorFont>> fields = {
        intField("Height", &EditorFont::height, -13),
        intField("Width", &EditorFont::width, 0),
        intField("Escapement", &EditorFont::escapement, 0),
        intField("Orientation", &EditorFont::orientation, 0),
        intField("Weight", &EditorFont::weight, 400),
        byteField("Italic", &EditorFont::italic, 0),
        byteField("Underline", &EditorFont::underline, 0),
        byteField("StrikeOut", &EditorFont::strikeOut, 0),
        byteField("CharSet", &EditorFont::charSet, 0),
        byteField("OutPrecision", &EditorFont::outPrecision, 3),
        byteField("ClipPrecision", &EditorFont::clipPrecision, 2),
        byteField("Quality", &EditorFont::quality, 1),
        byteField("PitchAndFamily", &EditorFont::pitchAndFamily, 49),
        textField("FaceName", &EditorFont::faceName, "Courier New"),
    };
    return fields;
}

// "Umlaute", in UmlautIndex order.
struct TextKey {
    const char *key;
    const char *def;
};
const TextKey UmlautKeys[UmlautCount] = {{"klein a", "\"a"}, {"gross A", "\"A"}, {"klein o", "\"o"},
                                         {"gross O", "\"O"}, {"klein u", "\"u"}, {"gross U", "\"U"},
                                         {"sz", "\"s"}};

// "Farben": the switch, then the colours in ColourIndex order.
struct ColourKey {
    const char *key;
    unsigned def;
};
const char *const SyntaxKey = "Syntax Highlightning";
const ColourKey ColourKeys[ColourCount] = {
    {"Geschweifte Klammern", 255},  {"Eckige Klammern", 65280}, {"Bemerkung", 12632256},
    {"Normaler Text", 0},           {"MatheMode", 16711935},    {"LaTex Befehle", 16711680},
    {"Hintergrund", 16777215},
};

// Single keys.
const char *const VersionKey = "Version";       // "General"
const char *const LanguageKey = "Language";     // "General"
const char *const WrapModeKey = "WrapMode";     // "General"
const char *const WindowPosKey = "WindowPos";   // "General Settings"
const char *const ButtonsKey = "Buttons";       // "General Settings-Scriblet-0"
const char *const MainTexKey = "maintex";       // "TeX Settings"
const char *const MainPathKey = "mainpath";     // "TeX Settings"
const char *const HeaderKey = "Header";         // "PageSetup"
const char *const FooterKey = "Footer";         // "PageSetup"

} // namespace

// ---------------------------------------------------------------------------

CShellSettings::CShellSettings(const QString &settingsDir)
{
    dviViewerLookup = [] { return Associations::defaultDviViewer(); };
    psViewerLookup = [] { return Associations::defaultPsViewer(); };
    for (int i = 0; i < UmlautCount; ++i)
        umlauts[i] = k(UmlautKeys[i].def);
    for (int i = 0; i < ColourCount; ++i)
        colours[i] = ColourKeys[i].def;
    setSettingsDir(settingsDir);
}

CShellSettings::~CShellSettings() = default;

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

QString CShellSettings::storedVersion() const { return m_profile->getString(ShellIni::General, k(VersionKey)); }

bool CShellSettings::checkVersion()
{
    const QString version = QString::fromLatin1(ScribletVersion);
    const bool changed = storedVersion() != version;
    if (changed)
        m_profile->writeString(ShellIni::MainToolbarSection, k(ButtonsKey), QString());
    m_profile->writeString(ShellIni::General, k(VersionKey), version);
    return changed;
}

void CShellSettings::readToolSettings()
{
    for (const ToolSection &s : toolSections()) {
        // A viewer's default is looked up at every read; without a lookup the
        // host's usual viewers serve.
        QString exeDefault = k(s.exeDefault);
        if (!s.exeDefault) {
            const std::function<QString()> &lookup = this->*s.viewer;
            exeDefault = lookup ? lookup() : k(s.tool == &CShellSettings::dviViewer ? "xdvi" : "gv");
        }
        ToolSettings &t = this->*s.tool;
        for (const Field<ToolSettings> &f : toolFields(s.flags, s.exeDefault, s.cmdDefault)) {
            if (f.text == &ToolSettings::exe)
                t.exe = m_profile->getString(*s.section, k(f.key), exeDefault);
            else
                readField(*m_profile, *s.section, f, t);
        }
    }
}

bool CShellSettings::writeToolSettings()
{
    bool ok = true;
    for (const ToolSection &s : toolSections())
        for (const Field<ToolSettings> &f : toolFields(s.flags, s.exeDefault, s.cmdDefault))
            ok &= writeField(*m_profile, *s.section, f, this->*s.tool);
    return ok;
}

void CShellSettings::readUserTools()
{
    for (int n = 0; n < int(userTools.size()); ++n)
        for (const Field<UserToolSettings> &f : userToolFields())
            readField(*m_profile, ShellIni::UserToolsSettings, f, userTools[n], n);
}

bool CShellSettings::writeUserTools()
{
    bool ok = true;
    for (int n = 0; n < int(userTools.size()); ++n)
        for (const Field<UserToolSettings> &f : userToolFields())
            ok &= writeField(*m_profile, ShellIni::UserToolsSettings, f, userTools[n], n);
    return ok;
}

// ---------------------------------------------------------------------------

void CShellSettings::readMainDocument()
{
    m_mainTex = m_profile->getString(ShellIni::TexSettings, k(MainTexKey));
    m_mainPath = m_profile->getString(ShellIni::TexSettings, k(MainPathKey), k("."));
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
    bool ok = m_profile->writeString(ShellIni::TexSettings, k(MainTexKey), m_mainTex);
    ok &= m_profile->writeString(ShellIni::TexSettings, k(MainPathKey), m_mainPath);
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
        umlauts[i] = m_profile->getString(ShellIni::Umlaute, k(UmlautKeys[i].key), k(UmlautKeys[i].def));
}

bool CShellSettings::writeUmlauts()
{
    bool ok = true;
    for (int i = 0; i < UmlautCount; ++i)
        ok &= m_profile->writeString(ShellIni::Umlaute, k(UmlautKeys[i].key), umlauts[i]);
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
    syntaxHighlighting = m_profile->getInt(ShellIni::Farben, k(SyntaxKey), 0);
    for (int i = 0; i < ColourCount; ++i)
        colours[i] = unsigned(m_profile->getInt(ShellIni::Farben, k(ColourKeys[i].key), int(ColourKeys[i].def)));
}

unsigned CShellSettings::defaultColour(ColourIndex index) { return ColourKeys[index].def; }

bool CShellSettings::writeColours()
{
    static const ColourIndex order[ColourCount] = {ColourSquareBrackets, ColourCurlyBraces, ColourComment,
                                                   ColourMathMode,       ColourCommands,    ColourNormalText,
                                                   ColourBackground};
    // One replacement of the file for the eight keys.
    const bool batch = !m_profile->inBatch();
    if (batch)
        m_profile->beginBatch();
    for (ColourIndex i : order)
        m_profile->writeInt(ShellIni::Farben, k(ColourKeys[i].key), int(colours[i]));
    m_profile->writeInt(ShellIni::Farben, k(SyntaxKey), syntaxHighlighting ? 1 : 0);
    return !batch || m_profile->commitBatch();
}

void CShellSettings::readWrapMode() { wrapMode = m_profile->getInt(ShellIni::General, k(WrapModeKey), 0); }

bool CShellSettings::setWrapMode(int mode)
{
    wrapMode = mode ? 1 : 0;
    return m_profile->writeInt(ShellIni::General, k(WrapModeKey), wrapMode);
}

// ---------------------------------------------------------------------------

void CShellSettings::readFont()
{
    const QList<Field<EditorFont>> &fields = fontFields();
    EditorFont f;
    readField(*m_profile, ShellIni::Font, fields.first(), f);
    if (f.height == 0) {
        m_hasFont = false;
        font = EditorFont();
        font.height = 0;
        return;
    }
    for (qsizetype i = 1; i < fields.size(); ++i)
        readField(*m_profile, ShellIni::Font, fields.at(i), f);
    f.faceName = f.faceName.left(31);
    font = f;
    m_hasFont = true;
}

bool CShellSettings::writeFont(const EditorFont &f)
{
    if (f.height == 0)
        return true;
    EditorFont stored = f;
    stored.faceName = f.faceName.left(31);
    bool ok = true;
    for (const Field<EditorFont> &field : fontFields())
        ok &= writeField(*m_profile, ShellIni::Font, field, stored);
    if (ok) {
        font = stored;
        m_hasFont = true;
    }
    return ok;
}

// ---------------------------------------------------------------------------

int CShellSettings::readLanguage()
{
    const int v = m_profile->getInt(ShellIni::General, k(LanguageKey), 99);
    if (v != 99)
        language = (v >= 0 && v <= 2) ? v : 0;
    return v;
}

bool CShellSettings::setLanguage(int index)
{
    language = (index >= 0 && index <= 2) ? index : 0;
    return m_profile->writeInt(ShellIni::General, k(LanguageKey), language);
}

void CShellSettings::readPageSetup(const QString &headerDefault, const QString &footerDefault)
{
    pageHeader = m_readHeader = m_profile->getString(ShellIni::PageSetup, k(HeaderKey), headerDefault);
    pageFooter = m_readFooter = m_profile->getString(ShellIni::PageSetup, k(FooterKey), footerDefault);
}

bool CShellSettings::writePageSetupIfChanged()
{
    bool ok = true;
    if (pageHeader != m_readHeader && (ok &= m_profile->writeString(ShellIni::PageSetup, k(HeaderKey), pageHeader)))
        m_readHeader = pageHeader;
    if (pageFooter != m_readFooter && (ok &= m_profile->writeString(ShellIni::PageSetup, k(FooterKey), pageFooter)))
        m_readFooter = pageFooter;
    return ok;
}

std::optional<WindowPlacement> CShellSettings::readWindowPlacement() const
{
    return WindowPlacement::parse(m_profile->getString(ShellIni::GeneralSettings, k(WindowPosKey)));
}

bool CShellSettings::writeWindowPlacement(const WindowPlacement &p)
{
    return m_profile->writeString(ShellIni::GeneralSettings, k(WindowPosKey), p.format());
}
