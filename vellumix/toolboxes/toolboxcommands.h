// The toolboxes and the figure dialogs: Toolboxes > "&Greek Letters...", "&Math
// Symbols...", "&Symbols...", "&User Templates..." (F12), which the speed-bar words
// greekbox, mathbox, symbolbox and templatebox reach too, and Templates >
// "&Graphics..." and "&Figure...".
//
// Created once with the window; the dialogs' stored fields come from the settings
// file in use (sections `GraphicsDialog`, `ImageDialog`) and go to the per-user file
// at exit (writeAtExit, or the destructor when that did not run), unless settings are
// unavailable. The toolboxes' places, the user-templates toolbox's size and their
// visibility live in the window's settings (section `Toolboxes`): place() and
// showStored() at start-up, store() before the window writes its settings.
#pragma once

#include "common/settingslocation.h"
#include "common/vellumixsettings.h"

#include <QObject>

class QAction;
class QWidget;
class SymbolToolbox;
class TGraphicsDialog;
class TImageDialog;
class ToolboxHost;
class TUserTemplatesDialog;

class ToolboxCommands : public QObject
{
    Q_OBJECT
public:
    struct Actions {
        // Toolboxes menu: GreekLetters1, MathSymbols1, Symbols1, UserTemplates2.
        QAction *greek = nullptr, *math = nullptr, *symbols = nullptr, *userTemplates = nullptr;
        // Templates menu: Graphics1, Figure1.
        QAction *graphics = nullptr, *figure = nullptr;
    };

    // window: owner of the toolboxes, the dialogs and this object.
    ToolboxCommands(ToolboxHost &host, const SettingsLocation &location, QWidget *window);
    ~ToolboxCommands() override;

    const Actions &actions() const { return m_actions; }
    SymbolToolbox *greekBox() const { return m_greek; }
    SymbolToolbox *mathBox() const { return m_math; }
    SymbolToolbox *symbolBox() const { return m_symbols; }
    TUserTemplatesDialog *templateBox() const { return m_templates; }
    TGraphicsDialog *graphicsDialog() const { return m_graphics; }
    TImageDialog *imageDialog() const { return m_image; }

    // Moves the toolboxes to their stored places (onto a screen when a place is off
    // every screen) and gives the user-templates toolbox its stored size.
    void place(const ToolboxSettings &stored);
    // Shows the toolboxes stored as visible.
    void showStored(const ToolboxSettings &stored);
    // Places, sizes and visibility as they are now.
    void store(ToolboxSettings &settings) const;
    // Shows a toolbox in front, on a screen.
    void showToolbox(QWidget *toolbox);
    // The user templates changed: a visible user-templates toolbox is rebuilt.
    void userTemplatesChanged();

    // Templates > "&Graphics..." and "&Figure...": on OK the figure text is inserted.
    void insertGraphics();
    void insertImage();

    // Writes the dialogs' stored fields (once). False (and *error) when they could
    // not be written.
    bool writeAtExit(QString *error = nullptr);

private:
    ToolboxHost &m_host;
    SettingsLocation m_location;
    Actions m_actions;
    SymbolToolbox *m_greek;
    SymbolToolbox *m_math;
    SymbolToolbox *m_symbols;
    TUserTemplatesDialog *m_templates;
    TGraphicsDialog *m_graphics;
    TImageDialog *m_image;
    bool m_written = false;
};
