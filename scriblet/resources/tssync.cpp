// Keeps the translation sources (.ts, edited in Qt Linguist) in step with the
// string table, the way lupdate does for texts found in code:
//
//   scriblet_tssync german OUT.ts         the German file, every text translated by itself
//   scriblet_tssync update LANG FILE.ts   adds new numbers, marks texts whose German
//                                         changed as unfinished, drops numbers no longer used
//
// Each message is keyed by its string number (id-based translation); its source is
// the German text. Texts that are the same in every language (Str::isVerbatim:
// LaTeX markup) are copied, never translated.
#include "resources/strings.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

struct Message {
    QString source;
    QString translation;
    QString comment; // the translator's own note, kept
    bool finished = false;
};

QMap<int, Message> read(const QString &path, QString *language, QString *error)
{
    QMap<int, Message> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = f.errorString();
        return out;
    }
    QXmlStreamReader xml(&f);
    int id = 0;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                *language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("message")) {
                id = xml.attributes().value(QLatin1String("id")).toInt();
                m = Message();
            } else if (name == QLatin1String("source")) {
                m.source = xml.readElementText();
            } else if (name == QLatin1String("translatorcomment")) {
                m.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                m.finished = type.isEmpty();
                m.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message") && id > 0) {
            out.insert(id, m);
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return out;
}

bool write(const QString &path, const QString &language, const QMap<int, Message> &messages)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&f);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), language);
    xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("de_DE"));
    xml.writeStartElement(QStringLiteral("context"));
    xml.writeTextElement(QStringLiteral("name"), QString());
    for (auto it = messages.cbegin(); it != messages.cend(); ++it) {
        const Message &m = it.value();
        xml.writeStartElement(QStringLiteral("message"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(it.key()));
        xml.writeTextElement(QStringLiteral("source"), m.source);
        if (Str::isVerbatim(it.key()))
            xml.writeTextElement(QStringLiteral("extracomment"),
                                 QStringLiteral("The same in every language (LaTeX markup): keep it as it is."));
        if (!m.comment.isEmpty())
            xml.writeTextElement(QStringLiteral("translatorcomment"), m.comment);
        xml.writeStartElement(QStringLiteral("translation"));
        if (!m.finished)
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
        xml.writeCharacters(m.translation);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return f.commit();
}

int german(const QString &out)
{
    QMap<int, Message> messages;
    for (int id : Str::ids())
        messages.insert(id, {Str::german(id), Str::german(id), QString(), true});
    if (!write(out, QStringLiteral("de_DE"), messages)) {
        std::fprintf(stderr, "scriblet_tssync: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

int update(const QString &language, const QString &path)
{
    QString fileLanguage = language;
    QString error;
    const QMap<int, Message> old = QFile::exists(path) ? read(path, &fileLanguage, &error) : QMap<int, Message>();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "scriblet_tssync: %s\n", qPrintable(error));
        return 1;
    }
    QMap<int, Message> messages;
    int added = 0, changed = 0, open = 0;
    for (int id : Str::ids()) {
        const QString source = Str::german(id);
        Message m = old.value(id);
        if (Str::isVerbatim(id)) {
            m = {source, source, m.comment, true};
        } else if (!old.contains(id)) {
            m = {source, QString(), QString(), false};
            ++added;
        } else if (m.source != source) {
            m.source = source;
            m.finished = false; // the German text changed: the translation needs a look
            ++changed;
        }
        open += m.finished ? 0 : 1;
        messages.insert(id, m);
    }
    qsizetype dropped = 0;
    for (auto it = old.cbegin(); it != old.cend(); ++it)
        dropped += messages.contains(it.key()) ? 0 : 1;
    if (!write(path, fileLanguage, messages)) {
        std::fprintf(stderr, "scriblet_tssync: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s: %d new, %d changed, %d dropped; %d to translate\n", qPrintable(path), added, changed,
                int(dropped), open);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == QLatin1String("german"))
        return german(args.at(1));
    if (args.size() == 3 && args.at(0) == QLatin1String("update"))
        return update(args.at(1), args.at(2));
    std::fprintf(stderr, "usage: scriblet_tssync german OUT.ts | update LANGUAGE FILE.ts\n");
    return 2;
}
