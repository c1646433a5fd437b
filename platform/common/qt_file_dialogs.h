// The real open and save dialogs.
#pragma once

#include "file_dialogs.h"

class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& initialPath) override;
    QString saveFileName(QWidget* parent, const QString& initialPath) override;
};
