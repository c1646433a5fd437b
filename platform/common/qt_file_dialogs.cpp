// The real open and save dialogs.
#include "qt_file_dialogs.h"

#include <QFileDialog>

QString QtFileDialogs::openFileName(QWidget* parent, const QString& initialPath) {
    return QFileDialog::getOpenFileName(parent, QString(), initialPath);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& initialPath) {
    // The save command asks "File Exists. Overwrite ?" itself; the dialog must not ask first.
    return QFileDialog::getSaveFileName(parent, QString(), initialPath, QString(), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}
