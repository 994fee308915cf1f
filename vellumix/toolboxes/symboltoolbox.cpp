#include "toolboxes/symboltoolbox.h"

#include "toolboxes/symbolbutton.h"
#include "toolboxes/toolboxhost.h"

SymbolToolbox::SymbolToolbox(const SymbolTable &table, ToolboxHost &host, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_table(table), m_host(host)
{
    setObjectName(QLatin1String(table.objectName));
    setWindowTitle(QLatin1String(table.caption));
    setAccessibleName(QLatin1String(table.caption));
    setFixedSize(SymbolColumns * SymbolButtonSize, table.rows * SymbolButtonSize);
    for (int i = 0; i < int(table.entries.size()); ++i) {
        const SymbolEntry &entry = table.entries[i];
        auto *b = new SymbolButton(entry, this);
        b->setObjectName(QStringLiteral("%1Button%2").arg(QLatin1String(table.objectName)).arg(i));
        b->move((i % SymbolColumns) * SymbolButtonSize, (i / SymbolColumns) * SymbolButtonSize);
        connect(b, &SymbolButton::clicked, this,
                [this, &entry] { m_host.insert(entry.beforeText(), entry.afterText()); });
        m_buttons.append(b);
    }
}
