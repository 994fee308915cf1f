// The about box: program name and version, closed with OK.
#pragma once

#include <QDialog>

inline constexpr const char *VellumixVersionText = "Version 0.61";

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
