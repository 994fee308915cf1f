#include "toolboxes/timagedialog.h"

TImageDialog::TImageDialog(ToolboxHost &host, QWidget *parent)
    : FigureDialog({ImageOptions::Caption, "ImageDialog", ImageOptions::Filter, ImageOptions::HelpTopic, false}, host,
                   parent)
{
    addFields(ImageOptions::fields());
    setOptions(ImageOptions());
}
