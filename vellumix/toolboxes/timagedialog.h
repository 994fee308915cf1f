// "Insert Image" (Templates > "&Figure..."): a figure placed by a DVI special.
#pragma once

#include "toolboxes/figuredialog.h"

class TImageDialog : public FigureDialog
{
    Q_OBJECT
public:
    explicit TImageDialog(ToolboxHost &host, QWidget *parent = nullptr);

    ImageOptions options() const { return values(ImageOptions::fields()); }
    void setOptions(const ImageOptions &o) { setValues(ImageOptions::fields(), o); }
};
