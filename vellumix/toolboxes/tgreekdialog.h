// The "Greek Letters" toolbox (see symboltables.h for its buttons).
#pragma once

#include "toolboxes/symboltoolbox.h"

class TGreekDialog : public SymbolToolbox
{
public:
    explicit TGreekDialog(ToolboxHost &host, QWidget *parent = nullptr) : SymbolToolbox(greekTable(), host, parent) {}
};
