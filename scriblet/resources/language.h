// The interface languages: German (built in), English and French. Each language
// has a file "Scriblet_de.qm", "Scriblet_en.qm", "Scriblet_fr.qm" beside the
// executable, compiled by lrelease from the translation sources and keyed by
// string number. Qt's own texts (dialog buttons, file and font dialogs) follow
// through Qt's translation files of the same language.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

namespace Language {

enum Index { German = 0, English = 1, French = 2 };

// "Scriblet_de", "Scriblet_en", "Scriblet_fr"; index outside 0..2 counts as German.
QString baseName(int index);
// baseName + ".qm".
QString fileName(int index);
// "de", "en", "fr".
QString code(int index);
// The directory of the executable.
QString defaultDirectory();

// dir empty: defaultDirectory().
// Loads the language file of index from dir. Null with the reason (in the language
// in force) when the file is missing, cannot be read, or lacks a number of the
// string table: a file that would leave texts in German is not taken.
std::shared_ptr<QTranslator> load(int index, const QString &dir, QString *reason = nullptr);
// The numbers of the string table the translator lacks.
QList<int> missingNumbers(const QTranslator &translator);

// Makes index the language of every text and of Qt's own dialogs. German takes its
// file when it is usable and the built-in table otherwise. For another language
// whose file is unusable the built-in German table stays in force and the result
// is false, with the status-bar message (in German) in *message.
bool activate(int index, const QString &dir, QString *message = nullptr);
// The language in force: 0 unless activate() succeeded for English or French.
int active();

} // namespace Language
