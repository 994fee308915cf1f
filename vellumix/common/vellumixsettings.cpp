#include "common/vellumixsettings.h"

#include "platform/profile.h"
#include "platform/savefile.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

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

// The "key=value" lines of a section in one pass (a huge section must not cost a
// file scan per key): keys in file order, the first line of each key wins, lines
// without '=' are skipped.
QList<NamedValue> readPairs(const Profile &p, const QString &section)
{
    QList<NamedValue> pairs;
    QSet<QString> seen;
    for (const QByteArray &line : p.sectionLines(section)) {
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QString key = TextCodec::decodeDetected(line.left(eq).trimmed());
        if (key.isEmpty() || seen.contains(key.toLower()))
            continue;
        seen.insert(key.toLower());
        pairs.append({key, TextCodec::decodeDetected(line.mid(eq + 1).trimmed())});
    }
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
    QHash<QString, QString> child;
    for (const NamedValue &e : readPairs(p, ChildWindows))
        child.insert(e.key.toLower(), e.value);
    const int count = int(p.sectionLines(ChildWindows).size() / 7);
    auto childInt = [&child](const QString &key, int def) {
        const auto it = child.constFind(key);
        return it == child.constEnd() ? def : Profile::parseInt(it.value().toUtf8());
    };
    for (int n = 0; n < count; ++n) {
        const QString num = QString::number(n);
        ChildWindowRecord r;
        r.state = childInt(QStringLiteral("state") + num, 0);
        r.top = childInt(QStringLiteral("top") + num, 0);
        r.left = childInt(QStringLiteral("left") + num, 0);
        r.height = childInt(QStringLiteral("height") + num, 100);
        r.width = childInt(QStringLiteral("width") + num, 100);
        r.pos = childInt(QStringLiteral("pos") + num, 0);
        r.name = child.value(QStringLiteral("name") + num);
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

namespace {

// A directory in memory when the host has one: the exit writes go to a scratch copy
// there, and the settings file is then replaced once.
QString scratchBase()
{
    for (const QString &dir : {qEnvironmentVariable("XDG_RUNTIME_DIR"), QStringLiteral("/dev/shm")}) {
        const QFileInfo info(dir);
        if (!dir.isEmpty() && info.isDir() && info.isWritable())
            return dir;
    }
    return QDir::tempPath();
}

} // namespace

namespace {

bool writeEachKey(const VellumixSettings &s, Profile &target, int programDirVersion, QString *error)
{
    
    Writer w{target, true, {}};
    // The version the target had before this exit decides whether it is a new file.
    const int targetVersion = target.getInt(General, QStringLiteral("version"), 0);

    w.flag(Options, QStringLiteral("lineSpecials"), s.lineSpecials);
    w.flag(Options, QStringLiteral("createBackup"), s.createBackup);
    w.flag(Options, QStringLiteral("syntaxColoring"), s.syntaxColoring);
    w.str(Options, QStringLiteral("spellChecker"), s.spellChecker);
    w.flag(View, QStringLiteral("wordWrap"), s.wordWrap);
    w.flag(View, QStringLiteral("statusBar"), s.statusBar);
    w.flag(View, QStringLiteral("speedBar"), s.speedBar);
    w.flag(View, QStringLiteral("WindowBar"), s.windowBar);
    for (int i = 0; i < TokenClassCount; ++i) {
        const QString prefix = classPrefix(i);
        const ClassFont &f = s.fonts[i];
        w.str(View, prefix + QStringLiteral("fontName"), f.face);
        w.num(View, prefix + QStringLiteral("fontSize"), f.size);
        w.num(View, prefix + QStringLiteral("fontColor"), int(colorToWin(f.color)));
        w.str(View, prefix + QStringLiteral("fontStyle"), fontStyleText(f));
    }
    w.num(View, QStringLiteral("backgroundColor"), int(s.backgroundColor));
    w.str(TeX, QStringLiteral("Compile"), s.compile);
    w.str(TeX, QStringLiteral("LogFile"), s.logFile);
    w.str(TeX, QStringLiteral("Preview"), s.preview);
    w.str(WindowSize, QStringLiteral("state"), s.windowState);
    if (s.windowState != QStringLiteral("wsMaximized")) {
        w.num(WindowSize, QStringLiteral("height"), s.height);
        w.num(WindowSize, QStringLiteral("width"), s.width);
        w.num(WindowSize, QStringLiteral("left"), s.left);
        w.num(WindowSize, QStringLiteral("top"), s.top);
    }

    if (programDirVersion < SettingsVersionNewButtons) {
        // Older releases had four fixed s.buttons; they become ordinary entries first.
        const QList<NamedValue> old = readPairs(target, Buttons);
        w.erase(Buttons);
        w.str(Buttons, QStringLiteral("Save"), QStringLiteral("<save>$Save Active Document$"));
        w.str(Buttons, QStringLiteral("TeX"), QStringLiteral("<texmain>$TeX Main File$"));
        w.str(Buttons, QStringLiteral("Log"), QStringLiteral("<showlog>$Show Log file$"));
        w.str(Buttons, QStringLiteral("Preview"), QStringLiteral("<previewmain>$Preview Main File$"));
        for (const NamedValue &e : old)
            w.str(Buttons, e.key, e.value);
    } else if (targetVersion < SettingsVersionNewButtons) {
        for (const NamedValue &e : s.buttons)
            w.str(Buttons, e.key, e.value);
        for (const NamedValue &e : s.externalPrograms)
            w.str(ExternalPrograms, e.key, e.value);
    }

    w.num(General, QStringLiteral("version"), SettingsVersionWritten);
    for (int i = 0; i < MaxRecent; ++i)
        w.str(Recent, QString::number(i), i < s.recent.size() ? s.recent.at(i) : QString());

    w.erase(ChildWindows);
    w.flag(ChildState, QStringLiteral("WasMaximized"), s.wasMaximized);
    // The whole section in one write: one file replacement instead of seven per editor.
    QList<QByteArray> child;
    for (int n = 0; n < s.childWindows.size(); ++n) {
        const ChildWindowRecord &r = s.childWindows.at(n);
        const QByteArray num = QByteArray::number(n);
        child << "state" + num + '=' + QByteArray::number(r.state) << "top" + num + '=' + QByteArray::number(r.top)
              << "left" + num + '=' + QByteArray::number(r.left) << "height" + num + '=' + QByteArray::number(r.height)
              << "width" + num + '=' + QByteArray::number(r.width) << "pos" + num + '=' + QByteArray::number(r.pos)
              << "name" + num + '=' + r.name.toUtf8();
    }
    if (!child.isEmpty())
        w.check(target.writeSectionLines(ChildWindows, child));

    w.erase(MainFile);
    w.str(MainFile, QStringLiteral("Name"), s.mainFile);

    const ToolboxSettings &t = s.toolboxes;
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

} // namespace

bool VellumixSettings::writeAtExit(Profile &target, int programDirVersion, QString *error) const
{
    // Every key is written to a scratch copy; the settings file is replaced once at
    // the end, so that an interrupted exit leaves the old file whole.
    QTemporaryDir scratchDir(scratchBase() + QStringLiteral("/vellumix-XXXXXX"));
    if (!scratchDir.isValid())
        return writeEachKey(*this, target, programDirVersion, error);
    const QString scratchPath = scratchDir.filePath(QStringLiteral("Vellumix.ini"));
    QFile original(target.path());
    if (original.exists()) {
        if (!original.open(QIODevice::ReadOnly) || !QFile::copy(target.path(), scratchPath)) {
            if (error)
                *error = QStringLiteral("Cannot read %1").arg(QDir::toNativeSeparators(target.path()));
            return false;
        }
    }
    Profile scratch(scratchPath);
    if (!writeEachKey(*this, scratch, programDirVersion, error))
        return false;
    QFile result(scratchPath);
    if (!result.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1").arg(QDir::toNativeSeparators(scratchPath));
        return false;
    }
    return SaveFile::write(target.path(), result.readAll(), error);
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
