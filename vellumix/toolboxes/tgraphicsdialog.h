// "Insert Graphics" (Templates > "&Graphics..."): a figure with an included graphics
// file. Its Help button also closes it as Cancel.
#pragma once

#include "toolboxes/figuredialog.h"

class TGraphicsDialog : public FigureDialog
{
    Q_OBJECT
public:
    explicit TGraphicsDialog(ToolboxHost &host, QWidget *parent = nullptr);

    GraphicsOptions options() const { return values(GraphicsOptions::fields()); }
    void setOptions(const GraphicsOptions &o) { setValues(GraphicsOptions::fields(), o); }
};
