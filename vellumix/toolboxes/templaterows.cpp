#include "toolboxes/templaterows.h"

namespace TemplateRows {

QString caption(int index, const QString &name)
{
    if (index < NumberedRows)
        return QString::number(index + 1) + QStringLiteral(": ") + name;
    return QStringLiteral("   ") + name;
}

qreal leftMargin(int index, const std::function<qreal(const QString &)> &textWidth)
{
    if (index < 9)
        return textWidth(QStringLiteral("1")) + Padding;
    if (index < NumberedRows)
        return Padding;
    return textWidth(QStringLiteral("12: ")) - textWidth(QStringLiteral("   ")) + Padding;
}

} // namespace TemplateRows
