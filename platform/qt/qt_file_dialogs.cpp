// The real open and save dialogs.
#include "platform/qt/qt_file_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace {
std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString fromNative(const std::string& path) { return QFile::decodeName(path.c_str()); }
}  // namespace

std::string QtFileDialogs::openFileName(const std::string& initialPath) {
    return native(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                               fromNative(initialPath)));
}

std::string QtFileDialogs::saveFileName(const std::string& initialPath) {
    // The save command asks "File Exists. Overwrite ?" itself; the dialog must not ask first.
    return native(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                               fromNative(initialPath), QString(), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}
