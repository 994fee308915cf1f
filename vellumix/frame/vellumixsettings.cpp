#include "frame/vellumixsettings.h"

#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>

namespace {

const QString General = QStringLiteral("General");
const QString View = QStringLiteral("View");
const QString Options = QStringLiteral("Options");
const QString TeX = QStringLiteral("TeX");
const QString ExternalPrograms = QStringLiteral("External Programs");
const QString Buttons = QStringLiteral("Buttons");
const QString Recent = QStringLiteral("Recent");
const QString WindowSize = QStringLiteral("WindowSize");
const QString ChildWindows = QStringLiteral("ChildWindows");
const QString ChildState = QStringLiteral("ChildState");
const QString MainFile = QStringLiteral("MainFile");
const QString Toolboxes = QStringLiteral("Toolboxes");

constexpr int MaxRecent = 10;
constexpr int DefaultFontSize = 12;
constexpr int MaxFontSize = 1638;  // twips must fit the rich-text limits

bool readBool(const Profile &p, const QString &section, const QString &key, bool def)
{
    return p.getInt(section, key, def ? 1 : 0) != 0;
}

// Splits "key=value" lines of a section in file order; lines without '=' are skipped.
QList<NamedValue> readPairs(const Profile &p, const QString &section)
{
    QList<NamedValue> pairs;
    for (const QString &key : p.sectionKeys(section))
        pairs.append({key, p.getString(section, key)});
    return pairs;
}

// Collects the results of many writes: the first failure is kept.
struct Writer {
    Profile &p;
    bool ok = true;
    QString error;
    void check(bool result)
    {
        if (!result && ok) {
            ok = false;
            error = p.lastError();
        }
    }
    void str(const QString &s, const QString &k, const QString &v) { check(p.writeString(s, k, v)); }
    void num(const QString &s, const QString &k, int v) { check(p.writeInt(s, k, v)); }
    void flag(const QString &s, const QString &k, bool v) { check(p.writeInt(s, k, v ? 1 : 0)); }
    void erase(const QString &s) { check(p.eraseSection(s)); }
};

} // namespace

ClassFonts VellumixSettings::defaultFonts()
{
    ClassFonts fonts;
    for (int i = 0; i < TokenClassCount; ++i) {
        fonts[i].face = QStringLiteral("System");
        fonts[i].size = DefaultFontSize;
        fonts[i].color = colorFromWin(0x0000FFu);
    }
    fonts[int(TokenClass::Standard)].color = colorFromWin(0u);
    fonts[int(TokenClass::Comment)].color = colorFromWin(0x008000u);
    return fonts;
}

QString classPrefix(int tokenClass)
{
    static const char *const prefixes[TokenClassCount] = {"",           "texCommand",   "parenthesis", "squareBracket",
                                                          "roundBracket", "dollar", "comment"};
    return tokenClass >= 0 && tokenClass < TokenClassCount ? QString::fromLatin1(prefixes[tokenClass]) : QString();
}

QString fontStyleText(const ClassFont &font)
{
    QString text;
    if (font.bold)
        text += QStringLiteral("fsBold");
    if (font.italic)
        text += QStringLiteral("fsItalic");
    if (font.underline)
        text += QStringLiteral("fsUnderline");
    if (font.strikeOut)
        text += QStringLiteral("fsStrikeout");
    return text;
}

void applyFontStyleText(ClassFont &font, const QString &text)
{
    font.bold = text.contains(QStringLiteral("fsBold"));
    font.italic = text.contains(QStringLiteral("fsItalic"));
    font.underline = text.contains(QStringLiteral("fsUnderline"));
    font.strikeOut = text.contains(QStringLiteral("fsStrikeout"));
}

QColor colorFromWin(quint32 value)
{
    if (value & 0x80000000u) {
        // System colours with their usual values on the old platform.
        switch (value & 0xFFu) {
        case 4: case 15: return QColor(0xF0, 0xF0, 0xF0);  // menu, button face
        case 5: case 14: return QColor(Qt::white);         // window, highlighted text
        case 12: return QColor(0xAB, 0xAB, 0xAB);           // MDI workspace
        case 13: return QColor(0x33, 0x99, 0xFF);           // highlight
        case 16: return QColor(0xA0, 0xA0, 0xA0);           // button shadow
        case 17: return QColor(0x6D, 0x6D, 0x6D);           // grey text
        default: return QColor(Qt::black);                  // the text colours
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 colorToWin(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

QTextCharFormat charFormatFor(const ClassFont &font)
{
    QTextCharFormat f;
    f.setFontFamilies({font.face});
    f.setFontPointSize(font.size);
    f.setForeground(font.color);
    f.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(font.italic);
    f.setFontUnderline(font.underline);
    f.setFontStrikeOut(font.strikeOut);
    return f;
}

void VellumixSettings::read(const Profile &p)
{
    version = p.getInt(General, QStringLiteral("version"), 0);

    wordWrap = readBool(p, View, QStringLiteral("wordWrap"), false);
    statusBar = readBool(p, View, QStringLiteral("statusBar"), true);
    speedBar = readBool(p, View, QStringLiteral("speedBar"), true);
    windowBar = readBool(p, View, QStringLiteral("WindowBar"), true);
    const ClassFonts defaults = defaultFonts();
    for (int i = 0; i < TokenClassCount; ++i) {
        const QString prefix = classPrefix(i);
        ClassFont &f = fonts[i];
        f.face = p.getString(View, prefix + QStringLiteral("fontName"), defaults[i].face);
        if (f.face.trimmed().isEmpty())
            f.face = defaults[i].face;
        f.size = p.getInt(View, prefix + QStringLiteral("fontSize"), defaults[i].size);
        if (f.size <= 0 || f.size > MaxFontSize)
            f.size = defaults[i].size;
        f.color = colorFromWin(quint32(p.getInt(View, prefix + QStringLiteral("fontColor"),
                                                int(colorToWin(defaults[i].color)))));
        applyFontStyleText(f, p.getString(View, prefix + QStringLiteral("fontStyle")));
    }
    backgroundColor = quint32(p.getInt(View, QStringLiteral("backgroundColor"), int(0x80000005u)));

    lineSpecials = readBool(p, Options, QStringLiteral("lineSpecials"), false);
    createBackup = readBool(p, Options, QStringLiteral("createBackup"), true);
    syntaxColoring = readBool(p, Options, QStringLiteral("syntaxColoring"), true);
    spellChecker = p.getString(Options, QStringLiteral("spellChecker"));

    compile = p.getString(TeX, QStringLiteral("Compile"), defaultCompile());
    logFile = p.getString(TeX, QStringLiteral("LogFile"), defaultLogFile());
    preview = p.getString(TeX, QStringLiteral("Preview"), defaultPreview());

    externalPrograms = readPairs(p, ExternalPrograms);
    buttons = readPairs(p, Buttons);

    recent.clear();
    for (int i = 0; i < MaxRecent; ++i) {
        const QString path = p.getString(Recent, QString::number(i));
        if (path.isEmpty())
            break;
        if (!recent.contains(path))
            recent.append(path);
    }

    height = p.getInt(WindowSize, QStringLiteral("height"), 450);
    width = p.getInt(WindowSize, QStringLiteral("width"), 600);
    left = p.getInt(WindowSize, QStringLiteral("left"), 10);
    top = p.getInt(WindowSize, QStringLiteral("top"), 10);
    windowState = p.getString(WindowSize, QStringLiteral("state"), QStringLiteral("wsNormal"));

    // The number of remembered editors is the line count of the section over seven.
    childWindows.clear();
    const int count = int(p.sectionLines(ChildWindows).size() / 7);
    for (int n = 0; n < count; ++n) {
        const QString num = QString::number(n);
        ChildWindowRecord r;
        r.state = p.getInt(ChildWindows, QStringLiteral("state") + num, 0);
        r.top = p.getInt(ChildWindows, QStringLiteral("top") + num, 0);
        r.left = p.getInt(ChildWindows, QStringLiteral("left") + num, 0);
        r.height = p.getInt(ChildWindows, QStringLiteral("height") + num, 100);
        r.width = p.getInt(ChildWindows, QStringLiteral("width") + num, 100);
        r.pos = p.getInt(ChildWindows, QStringLiteral("pos") + num, 0);
        r.name = p.getString(ChildWindows, QStringLiteral("name") + num);
        childWindows.append(r);
    }
    wasMaximized = readBool(p, ChildState, QStringLiteral("WasMaximized"), false);
    mainFile = p.getString(MainFile, QStringLiteral("Name"));

    ToolboxSettings &t = toolboxes;
    const ToolboxSettings d;
    t.mathBoxVisible = readBool(p, Toolboxes, QStringLiteral("MathBoxVisible"), false);
    t.greekBoxVisible = readBool(p, Toolboxes, QStringLiteral("GreekBoxVisible"), false);
    t.symbolBoxVisible = readBool(p, Toolboxes, QStringLiteral("SymbolBoxVisible"), false);
    t.templBoxVisible = readBool(p, Toolboxes, QStringLiteral("TemplBoxVisible"), false);
    t.spellCheckVisible = readBool(p, Toolboxes, QStringLiteral("SpellCheckVisible"), false);
    t.mathLeft = p.getInt(Toolboxes, QStringLiteral("MathLeft"), d.mathLeft);
    t.mathTop = p.getInt(Toolboxes, QStringLiteral("MathTop"), d.mathTop);
    t.greekLeft = p.getInt(Toolboxes, QStringLiteral("GreekLeft"), d.greekLeft);
    t.greekTop = p.getInt(Toolboxes, QStringLiteral("GreekTop"), d.greekTop);
    t.symbolLeft = p.getInt(Toolboxes, QStringLiteral("SymbolLeft"), d.symbolLeft);
    t.symbolTop = p.getInt(Toolboxes, QStringLiteral("SymbolTop"), d.symbolTop);
    t.spellCheckLeft = p.getInt(Toolboxes, QStringLiteral("SpellCheckLeft"), d.spellCheckLeft);
    t.spellCheckTop = p.getInt(Toolboxes, QStringLiteral("SpellCheckTop"), d.spellCheckTop);
    t.templLeft = p.getInt(Toolboxes, QStringLiteral("TemplLeft"), d.templLeft);
    t.templTop = p.getInt(Toolboxes, QStringLiteral("TemplTop"), d.templTop);
    t.templWidth = p.getInt(Toolboxes, QStringLiteral("TemplWidth"), d.templWidth);
    t.templHeight = p.getInt(Toolboxes, QStringLiteral("TemplHeight"), d.templHeight);
}

bool VellumixSettings::writeAtExit(Profile &target, int programDirVersion, QString *error) const
{
    Writer w{target, true, {}};
    // The version the target had before this exit decides whether it is a new file.
    const int targetVersion = target.getInt(General, QStringLiteral("version"), 0);

    w.flag(Options, QStringLiteral("lineSpecials"), lineSpecials);
    w.flag(Options, QStringLiteral("createBackup"), createBackup);
    w.flag(Options, QStringLiteral("syntaxColoring"), syntaxColoring);
    w.str(Options, QStringLiteral("spellChecker"), spellChecker);
    w.flag(View, QStringLiteral("wordWrap"), wordWrap);
    w.flag(View, QStringLiteral("statusBar"), statusBar);
    w.flag(View, QStringLiteral("speedBar"), speedBar);
    w.flag(View, QStringLiteral("WindowBar"), windowBar);
    for (int i = 0; i < TokenClassCount; ++i) {
        const QString prefix = classPrefix(i);
        const ClassFont &f = fonts[i];
        w.str(View, prefix + QStringLiteral("fontName"), f.face);
        w.num(View, prefix + QStringLiteral("fontSize"), f.size);
        w.num(View, prefix + QStringLiteral("fontColor"), int(colorToWin(f.color)));
        w.str(View, prefix + QStringLiteral("fontStyle"), fontStyleText(f));
    }
    w.num(View, QStringLiteral("backgroundColor"), int(backgroundColor));
    w.str(TeX, QStringLiteral("Compile"), compile);
    w.str(TeX, QStringLiteral("LogFile"), logFile);
    w.str(TeX, QStringLiteral("Preview"), preview);
    w.str(WindowSize, QStringLiteral("state"), windowState);
    if (windowState != QStringLiteral("wsMaximized")) {
        w.num(WindowSize, QStringLiteral("height"), height);
        w.num(WindowSize, QStringLiteral("width"), width);
        w.num(WindowSize, QStringLiteral("left"), left);
        w.num(WindowSize, QStringLiteral("top"), top);
    }

    if (programDirVersion < SettingsVersionNewButtons) {
        // Older releases had four fixed buttons; they become ordinary entries first.
        const QList<NamedValue> old = readPairs(target, Buttons);
        w.erase(Buttons);
        w.str(Buttons, QStringLiteral("Save"), QStringLiteral("<save>$Save Active Document$"));
        w.str(Buttons, QStringLiteral("TeX"), QStringLiteral("<texmain>$TeX Main File$"));
        w.str(Buttons, QStringLiteral("Log"), QStringLiteral("<showlog>$Show Log file$"));
        w.str(Buttons, QStringLiteral("Preview"), QStringLiteral("<previewmain>$Preview Main File$"));
        for (const NamedValue &e : old)
            w.str(Buttons, e.key, e.value);
    } else if (targetVersion < SettingsVersionNewButtons) {
        for (const NamedValue &e : buttons)
            w.str(Buttons, e.key, e.value);
        for (const NamedValue &e : externalPrograms)
            w.str(ExternalPrograms, e.key, e.value);
    }

    w.num(General, QStringLiteral("version"), SettingsVersionWritten);
    for (int i = 0; i < MaxRecent; ++i)
        w.str(Recent, QString::number(i), i < recent.size() ? recent.at(i) : QString());

    w.erase(ChildWindows);
    w.flag(ChildState, QStringLiteral("WasMaximized"), wasMaximized);
    for (int n = 0; n < childWindows.size(); ++n) {
        const ChildWindowRecord &r = childWindows.at(n);
        const QString num = QString::number(n);
        w.num(ChildWindows, QStringLiteral("state") + num, r.state);
        w.num(ChildWindows, QStringLiteral("top") + num, r.top);
        w.num(ChildWindows, QStringLiteral("left") + num, r.left);
        w.num(ChildWindows, QStringLiteral("height") + num, r.height);
        w.num(ChildWindows, QStringLiteral("width") + num, r.width);
        w.num(ChildWindows, QStringLiteral("pos") + num, r.pos);
        w.str(ChildWindows, QStringLiteral("name") + num, r.name);
    }

    w.erase(MainFile);
    w.str(MainFile, QStringLiteral("Name"), mainFile);

    const ToolboxSettings &t = toolboxes;
    w.flag(Toolboxes, QStringLiteral("MathBoxVisible"), t.mathBoxVisible);
    w.flag(Toolboxes, QStringLiteral("GreekBoxVisible"), t.greekBoxVisible);
    w.flag(Toolboxes, QStringLiteral("SymbolBoxVisible"), t.symbolBoxVisible);
    w.flag(Toolboxes, QStringLiteral("TemplBoxVisible"), t.templBoxVisible);
    w.flag(Toolboxes, QStringLiteral("SpellCheckVisible"), t.spellCheckVisible);
    w.num(Toolboxes, QStringLiteral("MathLeft"), t.mathLeft);
    w.num(Toolboxes, QStringLiteral("MathTop"), t.mathTop);
    w.num(Toolboxes, QStringLiteral("GreekLeft"), t.greekLeft);
    w.num(Toolboxes, QStringLiteral("GreekTop"), t.greekTop);
    w.num(Toolboxes, QStringLiteral("SymbolLeft"), t.symbolLeft);
    w.num(Toolboxes, QStringLiteral("SymbolTop"), t.symbolTop);
    w.num(Toolboxes, QStringLiteral("SpellCheckLeft"), t.spellCheckLeft);
    w.num(Toolboxes, QStringLiteral("SpellCheckTop"), t.spellCheckTop);
    w.num(Toolboxes, QStringLiteral("TemplLeft"), t.templLeft);
    w.num(Toolboxes, QStringLiteral("TemplTop"), t.templTop);
    w.num(Toolboxes, QStringLiteral("TemplWidth"), t.templWidth);
    w.num(Toolboxes, QStringLiteral("TemplHeight"), t.templHeight);

    if (!w.ok && error)
        *error = w.error;
    return w.ok;
}

EnvironmentLookup processEnvironment()
{
    return [](const QString &name) -> std::optional<QString> {
        const QByteArray key = name.toLocal8Bit();
        if (name.isEmpty() || !qEnvironmentVariableIsSet(key.constData()))
            return std::nullopt;
        return qEnvironmentVariable(key.constData());
    };
}

QString expandEnvironmentText(const QString &text, const EnvironmentLookup &env)
{
    QString result;
    int i = 0;
    while (i < text.size()) {
        const int open = text.indexOf(QLatin1Char('%'), i);
        const int close = open >= 0 ? text.indexOf(QLatin1Char('%'), open + 1) : -1;
        if (open < 0 || close < 0) {
            result += text.mid(i);
            break;
        }
        result += text.mid(i, open - i);
        const std::optional<QString> value = env(text.mid(open + 1, close - open - 1));
        if (!value)
            return QString();
        result += *value;
        i = close + 1;
    }
    return result;
}

SettingsLocation resolveSettingsLocation(const QString &programDir, const EnvironmentLookup &env)
{
    SettingsLocation loc;
    loc.programIni = QDir(programDir).filePath(QStringLiteral("Vellumix.ini"));
    loc.inUse = loc.programIni;
    loc.target = loc.programIni;
    const Profile program(loc.programIni);
    loc.programDirVersion = program.getInt(General, QStringLiteral("version"), 0);
    if (program.getInt(QStringLiteral("Network"), QStringLiteral("network"), 0) == 0)
        return loc;

    QString user = expandEnvironmentText(program.getString(QStringLiteral("Network"), QStringLiteral("userIni")), env);
    if (user.isEmpty())
        user = expandEnvironmentText(program.getString(QStringLiteral("Network"), QStringLiteral("alternativeIni")), env);
    if (user.isEmpty()) {
        loc.unavailable = true;
        return loc;
    }
    const bool wildcard = user.contains(QLatin1Char('*')) || user.contains(QLatin1Char('?'));
    const QFileInfo info(user);
    if (!wildcard && info.isFile()) {
        loc.inUse = info.absoluteFilePath();
        loc.target = loc.inUse;
        return loc;
    }
    // A new per-user file: this run still reads the program-directory file.
    bool created = false;
    if (!wildcard && !info.exists() && QDir().mkpath(info.absolutePath())) {
        QFile file(info.absoluteFilePath());
        created = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    if (!created) {
        loc.unavailable = true;
        loc.error = QString::fromLatin1(CouldNotCreateUserIniText);
        return loc;
    }
    loc.target = info.absoluteFilePath();
    return loc;
}
