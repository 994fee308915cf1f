#include "bars/barbuttons.h"

#include <QByteArray>
#include <algorithm>
#include <QStringList>

QList<int> BarButtons::ids() const
{
    QList<int> out;
    for (const BarButton &b : m_buttons)
        out.append(b.id);
    return out;
}

bool BarButtons::insert(int index, const BarButton &b)
{
    if (m_buttons.size() >= MaxButtons)
        return false;
    BarButton copy = b;
    copy.caption = copy.caption.left(MaxCaption);
    m_buttons.insert(std::clamp(index, 0, size()), copy);
    return true;
}

bool BarButtons::move(int from, int to)
{
    if (!valid(from))
        return false;
    const BarButton b = m_buttons.takeAt(from);
    m_buttons.insert(std::clamp(to, 0, size()), b);
    return true;
}

bool BarButtons::remove(int index)
{
    if (!valid(index))
        return false;
    m_buttons.removeAt(index);
    return true;
}

bool BarButtons::setStyle(int index, ButtonStyle style)
{
    if (!valid(index))
        return false;
    m_buttons[index].style = style;
    return true;
}

bool BarButtons::setCaption(int index, const QString &caption)
{
    if (!valid(index))
        return false;
    m_buttons[index].caption = caption.left(MaxCaption);
    return true;
}

bool BarButtons::toggleGroup(int index)
{
    if (!valid(index))
        return false;
    m_buttons[index].group = !m_buttons[index].group;
    return true;
}

QString BarButtons::toSetting() const
{
    QString out = QStringLiteral("1");
    for (const BarButton &b : m_buttons) {
        out += QStringLiteral(";%1,%2,%3").arg(b.id).arg(int(b.style)).arg(b.group ? 1 : 0);
        if (!b.caption.isEmpty())
            out += u',' + QString::fromLatin1(b.caption.toUtf8().toPercentEncoding());
    }
    return out;
}

std::optional<BarButtons> BarButtons::fromSetting(const QString &value)
{
    const QStringList parts = value.trimmed().split(u';');
    if (parts.first() != QStringLiteral("1") || parts.size() - 1 > MaxButtons)
        return std::nullopt;
    BarButtons out;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QStringList f = parts.at(i).split(u',');
        if (f.size() < 3 || f.size() > 4)
            return std::nullopt;
        bool okId = false, okStyle = false, okGroup = false;
        const int id = f.at(0).toInt(&okId);
        const int style = f.at(1).toInt(&okStyle);
        const int group = f.at(2).toInt(&okGroup);
        if (!okId || !okStyle || !okGroup || id <= 0 || id > 0xffff || style < 0 || style > 2 || group < 0
            || group > 1)
            return std::nullopt;
        BarButton b{id, ButtonStyle(style), group == 1, QString()};
        if (f.size() == 4) {
            // Only the encoded form that toSetting() writes may stand here.
            const QString caption = QString::fromUtf8(QByteArray::fromPercentEncoding(f.at(3).toLatin1()));
            if (caption.isEmpty() || QString::fromLatin1(caption.toUtf8().toPercentEncoding()) != f.at(3))
                return std::nullopt;
            b.caption = caption.left(MaxCaption);
        }
        out.m_buttons.append(b);
    }
    return out;
}
