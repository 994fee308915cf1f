#include "app/speedbutton.h"

SpeedButton parseSpeedButton(const QString &caption, const QString &definition)
{
    SpeedButton b;
    b.caption = caption;
    QString rest = definition;
    if (rest.startsWith(QLatin1Char('<'))) {
        const int close = rest.indexOf(QLatin1Char('>'), 1);
        if (close >= 0) {
            b.command = rest.mid(1, close - 1);
            rest = rest.mid(close + 1);
        } else {
            // No closing bracket: the whole rest is the command word.
            b.command = rest.mid(1);
            rest.clear();
        }
    }
    if (rest.startsWith(QLatin1Char('$'))) {
        const int close = rest.indexOf(QLatin1Char('$'), 1);
        if (close >= 0) {
            b.hint = rest.mid(1, close - 1);
            rest = rest.mid(close + 1);
        } else {
            b.hint = rest.mid(1);
            rest.clear();
        }
        b.commandLine = rest;
    } else {
        // Without "$hint$" the whole rest is the hint and also the command line.
        b.hint = rest;
        b.commandLine = rest;
    }
    return b;
}

QList<SpeedButton> speedButtons(int settingsVersion, const QList<NamedValue> &entries)
{
    QList<SpeedButton> buttons;
    if (settingsVersion < SettingsVersionNewButtons) {
        buttons.append({QStringLiteral("Save"), QStringLiteral("save"), QStringLiteral("Save active document"), {}});
        buttons.append({QStringLiteral("TeX"), QStringLiteral("texmain"), QStringLiteral("TeX main file"), {}});
        buttons.append({QStringLiteral("Log"), QStringLiteral("showlog"), QStringLiteral("Show LOG file"), {}});
        buttons.append({QStringLiteral("Preview"), QStringLiteral("previewmain"), QStringLiteral("Preview main file"), {}});
    }
    for (const NamedValue &e : entries)
        buttons.append(parseSpeedButton(e.key, e.value));
    return buttons;
}
