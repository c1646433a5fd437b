// The real open and save dialogs.
#include "platform/qt/qt_file_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

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

std::string QtFileDialogs::chooseFolder(const std::string& title,
                                        const std::string& initialFolder) {
    QFileDialog dialog(QApplication::activeWindow(), fromNative(title), fromNative(initialFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Qt's own dialog (where the desktop offers none) opens with the focus in its list; the
    // path field takes it, so that a folder's path can simply be typed or pasted, then Enter.
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            path->setFocus();
            path->selectAll();
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return native(dialog.selectedFiles().constFirst());
}
