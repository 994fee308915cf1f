#include "resources/language.h"

#include "resources/strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// A translator over bytes it owns: loading from memory avoids QTranslator's
// search for other names ("Scriblet_fr.qm" missing must never find "Scriblet.qm").
class LanguageFile : public QTranslator
{
public:
    bool loadBytes(QByteArray bytes)
    {
        m_bytes = std::move(bytes);
        return load(reinterpret_cast<const uchar *>(m_bytes.constData()), int(m_bytes.size()));
    }

private:
    QByteArray m_bytes;
};

int g_active = Language::German;

// Qt's own translation of the language; one at a time, installed on the application.
std::unique_ptr<QTranslator> &qtTranslation()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

void applyQtTranslation(int index)
{
    if (!QCoreApplication::instance())
        return;
    if (auto &old = qtTranslation()) {
        QCoreApplication::removeTranslator(old.get());
        old.reset();
    }
    if (index == Language::English)
        return; // Qt's own texts are English
    auto t = std::make_unique<QTranslator>();
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale locale(Language::code(index));
    if (t->load(locale, QStringLiteral("qt"), QStringLiteral("_"), dir)
        || t->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), dir)) {
        QCoreApplication::installTranslator(t.get());
        qtTranslation() = std::move(t);
    }
}

} // namespace

namespace Language {

QString code(int index)
{
    switch (index) {
    case English:
        return QStringLiteral("en");
    case French:
        return QStringLiteral("fr");
    default:
        return QStringLiteral("de");
    }
}

QString baseName(int index) { return QStringLiteral("Scriblet_") + code(index); }

QString fileName(int index) { return baseName(index) + QStringLiteral(".qm"); }

QString defaultDirectory() { return QCoreApplication::applicationDirPath(); }

QList<int> missingNumbers(const QTranslator &translator)
{
    QList<int> missing;
    for (int id : Str::ids())
        if (translator.translate(nullptr, Str::key(id).constData()).isNull())
            missing.append(id);
    return missing;
}

std::shared_ptr<QTranslator> load(int index, const QString &dirOrEmpty, QString *reason)
{
    const QString dir = dirOrEmpty.isEmpty() ? defaultDirectory() : dirOrEmpty;
    const QString path = QDir(dir).filePath(fileName(index));
    auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return nullptr;
    };
    if (!QFileInfo(path).isFile())
        return fail(Str::text(Str::LanguageFileMissing));
    QFile f(path);
    auto t = std::make_shared<LanguageFile>();
    if (!f.open(QIODevice::ReadOnly) || !t->loadBytes(f.readAll()))
        return fail(Str::text(Str::LanguageFileUnreadable));
    const QList<int> missing = missingNumbers(*t);
    if (!missing.isEmpty())
        return fail(Str::format(Str::LanguageFileIncomplete, {QString::number(missing.size())}));
    return t;
}

bool activate(int index, const QString &dirOrEmpty, QString *message)
{
    const QString dir = dirOrEmpty.isEmpty() ? defaultDirectory() : dirOrEmpty;
    if (index < German || index > French)
        index = German;
    // German first, so that a reason for failure is said in German too.
    Str::setTranslation(nullptr);
    QString reason;
    std::shared_ptr<QTranslator> t = load(index, dir, &reason);
    Str::setTranslation(t);
    g_active = t ? index : German;
    applyQtTranslation(g_active);
    if (t || index == German)
        return true;
    if (message)
        *message = Str::format(Str::LanguageFileFailed,
                               {QDir::toNativeSeparators(QDir(dir).filePath(fileName(index))), reason});
    return false;
}

int active() { return g_active; }

} // namespace Language
