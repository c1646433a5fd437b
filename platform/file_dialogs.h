// The open and save dialogs, behind an interface so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    /**
     * Modal dialogs without filter, title or default extension. initialPath is handed over as it
     * stands (empty: the dialog's own choice). Return the chosen full path, empty when cancelled.
     * The save dialog asks nothing about existing files: the caller does.
     */
    virtual QString openFileName(QWidget* parent, const QString& initialPath) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& initialPath) = 0;
};
