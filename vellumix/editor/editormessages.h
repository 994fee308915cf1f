// The editor's own message texts, exactly as the user sees them.
#pragma once

#include <QString>

namespace EditorMessages {

inline const QString TextNotFound = QStringLiteral("Text not found");
inline const QString EndOfDocument = QStringLiteral("End of document reached!");
inline const QString NoParenthesis = QStringLiteral("Did not found parenthesis");
inline const QString UnableToSave = QStringLiteral("Unable to save file!");
// %1: the editor's caption.
inline const QString SaveChanges = QStringLiteral("Save changes to \"%1\"?");
// %1: the file, %2: its encoding.
inline const QString SaveAsUtf8 = QStringLiteral("%1 holds characters that its encoding (%2) cannot hold.\r\n\r\n"
                                                 "Save it as UTF-8?");
inline const QString HighlightError = QStringLiteral("Error on updating syntax highlighting.");
inline const QString UnableToFindFile = QStringLiteral("Unable to find file: ");
inline const QString StringTooLong = QStringLiteral("String to long");
// %1: the text typed into the Go To Line box.
inline const QString NotAnInteger = QStringLiteral("'%1' is not a valid integer value");
inline const QString GoToLineCaption = QStringLiteral("Go To Line");
inline const QString GoToLinePrompt = QStringLiteral("Line");
inline const QString Unnamed = QStringLiteral("Unnamed");
// The Save As dialog: filter 1 saves, filter 2 exports in the DOS OEM format.
inline const QString SaveAsTitle = QStringLiteral("Save As");
inline const QString SaveAsFilters = QStringLiteral("TeX Files (*.tex)|*.tex|DOS OEM Text Format (*.tex)|*.tex");

// A command of this many characters or more is not run.
inline constexpr int MaxCommandLength = 256;

} // namespace EditorMessages
