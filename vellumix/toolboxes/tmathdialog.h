// The "Math" toolbox (see symboltables.h for its buttons).
#pragma once

#include "toolboxes/symboltoolbox.h"

class TMathDialog : public SymbolToolbox
{
public:
    explicit TMathDialog(ToolboxHost &host, QWidget *parent = nullptr) : SymbolToolbox(mathTable(), host, parent) {}
};
