// The "Symbols" toolbox (see symboltables.h for its buttons).
#pragma once

#include "toolboxes/symboltoolbox.h"

class TSymbolDialog : public SymbolToolbox
{
public:
    explicit TSymbolDialog(ToolboxHost &host, QWidget *parent = nullptr) : SymbolToolbox(symbolTable(), host, parent) {}
};
