#include "bars/acceleratortext.h"

#include <QStringList>

namespace AcceleratorText {

QString keys(const QList<QKeySequence> &shortcuts)
{
    QStringList out;
    for (const QKeySequence &seq : shortcuts) {
        if (seq.isEmpty())
            continue;
        const QKeyCombination chord = seq[0];
        const Qt::KeyboardModifiers mods = chord.keyboardModifiers();
        QString text;
        if (mods & Qt::AltModifier)
            text += QStringLiteral("Alt+");
        if (mods & Qt::ControlModifier)
            text += QStringLiteral("Ctrl+");
        if (mods & Qt::ShiftModifier)
            text += QStringLiteral("Shift+");
        // The key's own name as the system writes it ("F5", "Ins", "C").
        text += QKeySequence(chord.key()).toString(QKeySequence::NativeText);
        out << text;
    }
    return out.join(QStringLiteral(", "));
}

QString menuText(const QString &text, const QList<QKeySequence> &shortcuts)
{
    const QString caption = text.section(QLatin1Char('\t'), 0, 0);
    const QString accel = keys(shortcuts);
    return accel.isEmpty() ? caption : caption + QLatin1Char('\t') + accel;
}

} // namespace AcceleratorText
