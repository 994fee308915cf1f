// The editor's commands: word wrap, editor font, find and replace, the symbol
// commands, the ten macros (Shift+F1..F10) and their dialog, and the umlaut
// dialog. They act on the views the host names and keep the settings object and
// its files up to date. Undo, the clipboard commands and select-all act on the
// active view.
//
// The symbol and macro actions belong to the window given, so that their keys work
// in the whole window; the main window's wiring puts them on its bars and menus.
#pragma once

#include "editor/cfinddialog.h"

#include <QList>
#include <QObject>
#include <array>

class CShellSettings;
class CShellView;
class EditorHost;
class Prompter;
class QAction;
class QFont;
class QIcon;
class QImage;
class QWidget;
struct MacroTable;

class EditorCommands : public QObject
{
    Q_OBJECT
public:
    // Everything given must outlive this object.
    EditorCommands(QWidget *window, CShellSettings &settings, EditorHost &host, Prompter &prompter);

    // A new view: "Suche beendet..." and a beep when its search ends.
    void attach(CShellView *view);

    // --- Commands -----------------------------------------------------------
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void selectAll();
    // The dialog "Suchen" (replace false) or "Ersetzen".
    void find(bool replace);
    // Searches the last text again; opens the dialog when there is none.
    void findNext();
    // Inverts the wrap mode, writes it and applies it to every open view.
    void toggleWordWrap();
    // The font dialog, then applyEditorFont().
    void chooseFont();
    // The dialogs "Makros", "Umlaute" and "Syntax-Highlighting".
    void editMacros();
    void editUmlauts();
    void editColours();

    // Applies the wrap mode to every open view.
    void applyWrapToAll();
    // Stores a new editor font in "Font" and gives it to every open view; false
    // (nothing changed) when the settings file cannot be written.
    bool applyEditorFont(const QFont &font);
    // After OK in "Syntax-Highlighting": writes "Farben" and colours every open
    // document again from its start (the lines on screen at once). False (after
    // a message) when the settings file could not be written.
    bool applyColours();
    // Takes the seven umlaut replacements (order ä Ä ö Ö ü Ü ß) and writes "Umlaute".
    bool applyUmlauts(const std::array<QString, 7> &values);
    // Inserts the text of a symbol command at the caret of the active view.
    bool insertSymbol(int id);
    // Inserts macro index (0..9) at the caret of the active view; false without one.
    bool insertMacro(int index);
    // Takes a new macro table: captions, settings object and the macros file.
    bool applyMacros(const MacroTable &table);

    // --- Actions --------------------------------------------------------------
    // The action of a symbol command (created on first use, "cmd<id>").
    QAction *symbolAction(int id);
    // The ten macro actions (33010..33019, Shift+F1..F10) with the images cut from
    // the macro bitmap.
    QList<QAction *> macroActions(const QImage &macroImages);
    // Captions, tooltips and prompts of the macro actions from the macro names.
    void updateMacroCaptions();

    const FindState &findState() const { return m_find; }

    // A 16x15 button image showing glyph (a symbol's look, drawn with the window's font).
    static QIcon glyphIcon(const QWidget *window, const QString &glyph);

private:
    CShellView *activeView() const;

    QWidget *m_window;
    CShellSettings &m_settings;
    EditorHost &m_host;
    Prompter &m_prompter;
    FindState m_find;
    std::array<QAction *, 10> m_macros{};
};
