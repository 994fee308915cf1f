// The pages of the program-calls dialog. Each tool page edits a copy of its tool's
// settings; the user-tools page edits the settings object directly.
#pragma once

#include "common/cshellsettings.h"

#include <QWidget>

class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Executable, template, browse button, hint and the prerequisite check boxes.
class COptionToolPage : public QWidget
{
    Q_OBJECT
public:
    ToolSettings value() const;
    void browse();

protected:
    struct Layout {
        int hintId;          // what "%s" stands for
        int browseTitleId;   // title of the browse dialog
        int runTexId = 0;    // control id of "run LaTeX first", 0: none
        bool runDvips = false;
    };
    COptionToolPage(const ToolSettings &tool, const Layout &layout, Prompter &prompter, QWidget *parent);

private:
    ToolSettings m_tool;
    int m_browseTitleId;
    Prompter &m_prompter;
    QLineEdit *m_exe = nullptr;
    QLineEdit *m_cmd = nullptr;
    QCheckBox *m_runTex = nullptr;
    QCheckBox *m_runDvips = nullptr;
};

class COptionTex : public COptionToolPage
{
    Q_OBJECT
public:
    COptionTex(const ToolSettings &tool, Prompter &prompter, QWidget *parent = nullptr);
};

class COptionBibtex : public COptionToolPage
{
    Q_OBJECT
public:
    COptionBibtex(const ToolSettings &tool, Prompter &prompter, QWidget *parent = nullptr);
};

class COptionDVIWin : public COptionToolPage
{
    Q_OBJECT
public:
    COptionDVIWin(const ToolSettings &tool, Prompter &prompter, QWidget *parent = nullptr);
};

class COptionDVIPS : public COptionToolPage
{
    Q_OBJECT
public:
    COptionDVIPS(const ToolSettings &tool, Prompter &prompter, QWidget *parent = nullptr);
};

class COptionGhostView : public COptionToolPage
{
    Q_OBJECT
public:
    COptionGhostView(const ToolSettings &tool, Prompter &prompter, QWidget *parent = nullptr);
};

// The ten user tools. Shown values are stored into the selected tool of the
// settings when another tool is selected, before browsing, and by storeShown()
// when the dialog closes (whichever button closed it).
class COptionUserTools : public QWidget
{
    Q_OBJECT
public:
    COptionUserTools(CShellSettings &settings, Prompter &prompter, QWidget *parent = nullptr);

    int selectedTool() const { return m_selected; }
    void selectTool(int n);
    void storeShown();
    void browse();

    // "Ctrl + F%i" with the tool's index + 1.
    static QString shortcutText(int n);

private:
    void show(int n);

    CShellSettings &m_settings;
    Prompter &m_prompter;
    int m_selected = -1;
    int m_previous = -1;
    QListWidget *m_list = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_exe = nullptr;
    QLineEdit *m_cmd = nullptr;
    QCheckBox *m_runTex = nullptr;
    QCheckBox *m_runDvips = nullptr;
    QLabel *m_keys = nullptr;
};
