#include "common/vellumixsettings.h"

#include "platform/profile.h"
#include "platform/textcodec.h"

#include <QHash>
#include <QSet>
#include <type_traits>
#include <variant>

namespace {

// ---------------------------------------------------------------- the key table

// A field of the settings record, reached through a function so that members of
// nested records (the toolboxes) fit the table too.
template<typename T> using Field = T &(*)(VellumixSettings &);
// Where the seven class fonts stand in the table (their keys are built from the
// class prefixes and FontKey below).
struct ClassFontsHere {};
using AnyField = std::variant<Field<bool>, Field<int>, Field<QString>, Field<quint32>, ClassFontsHere>;

#define SETTING(member) [](VellumixSettings &s) -> auto & { return s.member; }

// When a key is written at exit; at start-up every key is read.
enum class Stage { Front, ChildState, MainFile, Toolboxes };

struct Key {
    const char *section;
    const char *key;
    AnyField field;
    Stage stage = Stage::Front;
    bool onlyWhenNotMaximized = false;

    template<typename F>
    Key(const char *s, const char *k, F f, Stage st = Stage::Front, bool notMaximized = false)
        : section(s), key(k), field(toField(f)), stage(st), onlyWhenNotMaximized(notMaximized)
    {
    }

private:
    template<typename F> static AnyField toField(F f)
    {
        if constexpr (std::is_same_v<F, ClassFontsHere>)
            return f;
        else
            return Field<std::remove_reference_t<std::invoke_result_t<F, VellumixSettings &>>>(f);
    }
};

// In the order of the writes at exit.
const Key Keys[] = {
    {"Options", "lineSpecials", SETTING(lineSpecials)},
    {"Options", "createBackup", SETTING(createBackup)},
    {"Options", "syntaxColoring", SETTING(syntaxColoring)},
    {"Options", "spellChecker", SETTING(spellChecker)},
    {"View", "wordWrap", SETTING(wordWrap)},
    {"View", "statusBar", SETTING(statusBar)},
    {"View", "speedBar", SETTING(speedBar)},
    {"View", "WindowBar", SETTING(windowBar)},
    {"View", nullptr, ClassFontsHere{}},
    {"View", "backgroundColor", SETTING(backgroundColor)},
    {"TeX", "Compile", SETTING(templates.compile)},
    {"TeX", "LogFile", SETTING(templates.logFile)},
    {"TeX", "Preview", SETTING(templates.preview)},
    {"WindowSize", "state", SETTING(windowState)},
    {"WindowSize", "height", SETTING(height), Stage::Front, true},
    {"WindowSize", "width", SETTING(width), Stage::Front, true},
    {"WindowSize", "left", SETTING(left), Stage::Front, true},
    {"WindowSize", "top", SETTING(top), Stage::Front, true},
    {"ChildState", "WasMaximized", SETTING(wasMaximized), Stage::ChildState},
    {"MainFile", "Name", SETTING(mainFile), Stage::MainFile},
    {"Toolboxes", "MathBoxVisible", SETTING(toolboxes.mathBoxVisible), Stage::Toolboxes},
    {"Toolboxes", "GreekBoxVisible", SETTING(toolboxes.greekBoxVisible), Stage::Toolboxes},
    {"Toolboxes", "SymbolBoxVisible", SETTING(toolboxes.symbolBoxVisible), Stage::Toolboxes},
    {"Toolboxes", "TemplBoxVisible", SETTING(toolboxes.templBoxVisible), Stage::Toolboxes},
    {"Toolboxes", "SpellCheckVisible", SETTING(toolboxes.spellCheckVisible), Stage::Toolboxes},
    {"Toolboxes", "MathLeft", SETTING(toolboxes.mathLeft), Stage::Toolboxes},
    {"Toolboxes", "MathTop", SETTING(toolboxes.mathTop), Stage::Toolboxes},
    {"Toolboxes", "GreekLeft", SETTING(toolboxes.greekLeft), Stage::Toolboxes},
    {"Toolboxes", "GreekTop", SETTING(toolboxes.greekTop), Stage::Toolboxes},
    {"Toolboxes", "SymbolLeft", SETTING(toolboxes.symbolLeft), Stage::Toolboxes},
    {"Toolboxes", "SymbolTop", SETTING(toolboxes.symbolTop), Stage::Toolboxes},
    {"Toolboxes", "SpellCheckLeft", SETTING(toolboxes.spellCheckLeft), Stage::Toolboxes},
    {"Toolboxes", "SpellCheckTop", SETTING(toolboxes.spellCheckTop), Stage::Toolboxes},
    {"Toolboxes", "TemplLeft", SETTING(toolboxes.templLeft), Stage::Toolboxes},
    {"Toolboxes", "TemplTop", SETTING(toolboxes.templTop), Stage::Toolboxes},
    {"Toolboxes", "TemplWidth", SETTING(toolboxes.templWidth), Stage::Toolboxes},
    {"Toolboxes", "TemplHeight", SETTING(toolboxes.templHeight), Stage::Toolboxes},
};

#undef SETTING

// The sections and keys with a shape of their own.
const QString General = QStringLiteral("General");
const QString VersionKey = QStringLiteral("version");
const QString ExternalPrograms = QStringLiteral("External Programs");
const QString Buttons = QStringLiteral("Buttons");
const QString Recent = QStringLiteral("Recent");
const QString ChildWindows = QStringLiteral("ChildWindows");
const QString ChildFormats = QStringLiteral("ChildFormats");
const QString MainFile = QStringLiteral("MainFile");

// The four keys of each class font, after the class prefix, in the order of the writes.
enum class FontKey { Name, Size, Color, Style };
constexpr FontKey FontKeys[] = {FontKey::Name, FontKey::Size, FontKey::Color, FontKey::Style};
QString fontKeyName(FontKey k)
{
    switch (k) {
    case FontKey::Name: return QStringLiteral("fontName");
    case FontKey::Size: return QStringLiteral("fontSize");
    case FontKey::Color: return QStringLiteral("fontColor");
    case FontKey::Style: return QStringLiteral("fontStyle");
    }
    return QString();
}

// The old four built-in speed-bar buttons, as the entries the migration writes.
const NamedValue MigratedButtons[] = {
    {QStringLiteral("Save"), QStringLiteral("<save>$Save Active Document$")},
    {QStringLiteral("TeX"), QStringLiteral("<texmain>$TeX Main File$")},
    {QStringLiteral("Log"), QStringLiteral("<showlog>$Show Log file$")},
    {QStringLiteral("Preview"), QStringLiteral("<previewmain>$Preview Main File$")},
};

constexpr int MaxRecent = 10;
constexpr int MaxFontSize = 1638;  // twips must fit the rich-text limits

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

void readClassFonts(const Profile &p, const QString &section, ClassFonts &fonts)
{
    const ClassFonts defaults = VellumixSettings::defaultFonts();
    for (int i = 0; i < TokenClassCount; ++i) {
        const QString prefix = classPrefix(i);
        auto key = [&](FontKey k) { return prefix + fontKeyName(k); };
        ClassFont &f = fonts[i];
        f.face = p.getString(section, key(FontKey::Name), defaults[i].face);
        if (f.face.trimmed().isEmpty())
            f.face = defaults[i].face;
        f.size = p.getInt(section, key(FontKey::Size), defaults[i].size);
        if (f.size <= 0 || f.size > MaxFontSize)
            f.size = defaults[i].size;
        f.color = colorFromWin(quint32(p.getInt(section, key(FontKey::Color), int(colorToWin(defaults[i].color)))));
        applyFontStyleText(f, p.getString(section, key(FontKey::Style)));
    }
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
    void erase(const QString &s) { check(p.eraseSection(s)); }
};

void writeClassFonts(Writer &w, const QString &section, const ClassFonts &fonts)
{
    for (int i = 0; i < TokenClassCount; ++i) {
        const ClassFont &f = fonts[i];
        for (FontKey k : FontKeys) {
            const QString key = classPrefix(i) + fontKeyName(k);
            switch (k) {
            case FontKey::Name: w.str(section, key, f.face); break;
            case FontKey::Size: w.num(section, key, f.size); break;
            case FontKey::Color: w.num(section, key, int(colorToWin(f.color))); break;
            case FontKey::Style: w.str(section, key, fontStyleText(f)); break;
            }
        }
    }
}

void readKey(const Profile &p, const Key &k, VellumixSettings &s, VellumixSettings &defaults)
{
    const QString section = QLatin1String(k.section);
    const QString key = QLatin1String(k.key);
    std::visit(
        [&](auto field) {
            using F = decltype(field);
            if constexpr (std::is_same_v<F, ClassFontsHere>)
                readClassFonts(p, section, s.fonts);
            else if constexpr (std::is_same_v<F, Field<bool>>)
                field(s) = p.getInt(section, key, field(defaults) ? 1 : 0) != 0;
            else if constexpr (std::is_same_v<F, Field<int>>)
                field(s) = p.getInt(section, key, field(defaults));
            else if constexpr (std::is_same_v<F, Field<quint32>>)
                field(s) = quint32(p.getInt(section, key, int(field(defaults))));
            else
                field(s) = p.getString(section, key, field(defaults));
        },
        k.field);
}

// s is a copy: the fields are reached through the same accessors as for reading.
void writeKeys(Writer &w, VellumixSettings &s, Stage stage)
{
    const bool maximized = s.windowState == QStringLiteral("wsMaximized");
    for (const Key &k : Keys) {
        if (k.stage != stage || (k.onlyWhenNotMaximized && maximized))
            continue;
        const QString section = QLatin1String(k.section);
        const QString key = QLatin1String(k.key);
        std::visit(
            [&](auto field) {
                using F = decltype(field);
                if constexpr (std::is_same_v<F, ClassFontsHere>)
                    writeClassFonts(w, section, s.fonts);
                else if constexpr (std::is_same_v<F, Field<bool>>)
                    w.num(section, key, field(s) ? 1 : 0);
                else if constexpr (std::is_same_v<F, Field<int>>)
                    w.num(section, key, field(s));
                else if constexpr (std::is_same_v<F, Field<quint32>>)
                    w.num(section, key, int(field(s)));
                else
                    w.str(section, key, field(s));
            },
            k.field);
    }
}

QList<ChildWindowRecord> readChildWindows(const Profile &p)
{
    // The number of remembered editors is the line count of the section over seven.
    QHash<QString, QString> child;
    for (const NamedValue &e : readPairs(p, ChildWindows))
        child.insert(e.key.toLower(), e.value);
    const int count = int(p.sectionLines(ChildWindows).size() / 7);
    auto childInt = [&child](const QString &key, int def) {
        const auto it = child.constFind(key);
        return it == child.constEnd() ? def : Profile::parseInt(it.value().toUtf8());
    };
    QList<ChildWindowRecord> records;
    const ChildWindowRecord d;
    for (int n = 0; n < count; ++n) {
        const QString num = QString::number(n);
        ChildWindowRecord r;
        r.state = childInt(QStringLiteral("state") + num, d.state);
        r.top = childInt(QStringLiteral("top") + num, d.top);
        r.left = childInt(QStringLiteral("left") + num, d.left);
        r.height = childInt(QStringLiteral("height") + num, d.height);
        r.width = childInt(QStringLiteral("width") + num, d.width);
        r.pos = childInt(QStringLiteral("pos") + num, d.pos);
        r.name = child.value(QStringLiteral("name") + num);
        const int format = p.getInt(ChildFormats, QStringLiteral("format") + num, d.format);
        r.format = format == 2 ? format : d.format;
        records.append(r);
    }
    return records;
}

QList<QByteArray> childWindowLines(const QList<ChildWindowRecord> &records)
{
    QList<QByteArray> lines;
    for (int n = 0; n < records.size(); ++n) {
        const ChildWindowRecord &r = records.at(n);
        const QByteArray num = QByteArray::number(n);
        lines << "state" + num + '=' + QByteArray::number(r.state) << "top" + num + '=' + QByteArray::number(r.top)
              << "left" + num + '=' + QByteArray::number(r.left) << "height" + num + '=' + QByteArray::number(r.height)
              << "width" + num + '=' + QByteArray::number(r.width) << "pos" + num + '=' + QByteArray::number(r.pos)
              << "name" + num + '=' + r.name.toUtf8();
    }
    return lines;
}

} // namespace

ClassFonts VellumixSettings::defaultFonts()
{
    ClassFonts fonts;
    for (int i = 0; i < TokenClassCount; ++i) {
        fonts[i].face = QStringLiteral("System");
        fonts[i].size = 12;
        fonts[i].color = colorFromWin(0x0000FFu);
    }
    fonts[int(TokenClass::Standard)].color = colorFromWin(0u);
    fonts[int(TokenClass::Comment)].color = colorFromWin(0x008000u);
    return fonts;
}

int VellumixSettings::readVersion(const Profile &file) { return file.getInt(General, VersionKey, 0); }

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

void VellumixSettings::read(const Profile &p)
{
    VellumixSettings defaults;
    version = readVersion(p);
    for (const Key &k : Keys)
        readKey(p, k, *this, defaults);
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
    childWindows = readChildWindows(p);
    templates.adaptToHost();
}

bool VellumixSettings::writeAtExit(Profile &target, int programDirVersion, QString *error) const
{
    // The version the target had before this exit decides whether it is a new file.
    const int targetVersion = readVersion(target);
    // Every key goes into one batch: the file is replaced once, so that an
    // interrupted exit leaves the old file whole.
    target.beginBatch();
    Writer w{target, true, {}};
    VellumixSettings s = *this;
    writeKeys(w, s, Stage::Front);

    if (programDirVersion < SettingsVersionNewButtons) {
        // Older releases had the four buttons built in; they become ordinary entries first.
        const QList<NamedValue> old = readPairs(target, Buttons);
        w.erase(Buttons);
        for (const NamedValue &e : MigratedButtons)
            w.str(Buttons, e.key, e.value);
        for (const NamedValue &e : old)
            w.str(Buttons, e.key, e.value);
    } else if (targetVersion < SettingsVersionNewButtons) {
        for (const NamedValue &e : buttons)
            w.str(Buttons, e.key, e.value);
        for (const NamedValue &e : externalPrograms)
            w.str(ExternalPrograms, e.key, e.value);
    }

    w.num(General, VersionKey, SettingsVersionWritten);
    for (int i = 0; i < MaxRecent; ++i)
        w.str(Recent, QString::number(i), i < recent.size() ? recent.at(i) : QString());

    w.erase(ChildWindows);
    w.erase(ChildFormats);
    writeKeys(w, s, Stage::ChildState);
    if (!childWindows.isEmpty())
        w.check(target.writeSectionLines(ChildWindows, childWindowLines(childWindows)));
    for (int n = 0; n < childWindows.size(); ++n)
        if (childWindows.at(n).format != ChildWindowRecord{}.format)
            w.num(ChildFormats, QStringLiteral("format") + QString::number(n), childWindows.at(n).format);

    w.erase(MainFile);
    writeKeys(w, s, Stage::MainFile);
    writeKeys(w, s, Stage::Toolboxes);

    if (!w.ok) {
        target.cancelBatch();
    } else if (!target.commitBatch()) {
        w.ok = false;
        w.error = target.lastError();
    }
    if (!w.ok && error)
        *error = w.error;
    return w.ok;
}
