#include "toolboxes/tgraphicsdialog.h"

TGraphicsDialog::TGraphicsDialog(ToolboxHost &host, QWidget *parent)
    : FigureDialog({GraphicsOptions::Caption, "GraphicsDialog", GraphicsOptions::Filter, GraphicsOptions::HelpTopic,
                    true},
                   host, parent)
{
    addFields(GraphicsOptions::fields());
    setOptions(GraphicsOptions());
}
