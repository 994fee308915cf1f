// The dialog "Syntax-Highlighting": the switch, the list of the seven colour
// entries, "&Default", "&Farbe", OK and "Abbrechen".
//
// It works on the settings object directly: the check box, a chosen colour and
// "&Default" change it at once, so they stay for the run even when the dialog is
// cancelled. What OK does beyond closing (writing "Farben", colouring the open
// documents again) is the caller's.
#pragma once

#include <QDialog>

class CShellSettings;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class CSyntaxDialog : public QDialog
{
    Q_OBJECT
public:
    // settings and prompter must outlive the dialog.
    CSyntaxDialog(CShellSettings &settings, Prompter &prompter, QWidget *parent = nullptr);

    // The colour (ColourIndex) of the list entry at row.
    static int colourOfEntry(int row);

    // "&Farbe": the colour chooser on the selected entry's colour.
    void chooseColour();
    // "&Default": all seven colours back to their defaults.
    void restoreDefaults();

private:
    void setSwitch(bool on);
    void showSample();

    CShellSettings &m_settings;
    Prompter &m_prompter;
    QCheckBox *m_switch;
    QComboBox *m_entries;
    QLabel *m_sample;
    QPushButton *m_default;
    QPushButton *m_colour;
};
