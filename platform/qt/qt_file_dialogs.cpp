// The real open and save dialogs.
#include "platform/qt/qt_file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
/**
 * Qt's own folder dialog takes only a folder that is there. A whole path typed into its path
 * field and Enter choose a folder to be made as well: the jerseys' folder may be new.
 */
class NewFolderPath : public QObject {
public:
    explicit NewFolderPath(QFileDialog& dialog) : m_dialog(dialog) {}
    const QString& chosen() const { return m_chosen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* path = qobject_cast<QLineEdit*>(watched);
        if (!path || event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QString typed = path->text();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !QDir::isAbsolutePath(typed) ||
            QFileInfo::exists(typed)) {
            return false;
        }
        m_chosen = QDir::cleanPath(typed);
        static_cast<QDialog&>(m_dialog).done(QDialog::Accepted);  // past its check
        return true;
    }

private:
    QFileDialog& m_dialog;
    QString m_chosen;
};

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

std::string QtFileDialogs::chooseFolder(const std::string& title, const std::string& initialFolder,
                                        FolderKind kind) {
    QFileDialog dialog(QApplication::activeWindow(), fromNative(title), fromNative(initialFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    NewFolderPath newFolder(dialog);
    // Qt's own dialog (where the desktop offers none) opens with the focus in its list; the
    // path field takes it, so that a folder's path can simply be typed or pasted, then Enter.
    QTimer::singleShot(0, &dialog, [&dialog, &newFolder, kind] {
        if (auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            path->setFocus();
            path->selectAll();
            if (kind == FolderKind::MayBeNew) path->installEventFilter(&newFolder);
        }
    });
    if (dialog.exec() != QDialog::Accepted) return {};
    if (!newFolder.chosen().isEmpty()) return native(newFolder.chosen());
    return dialog.selectedFiles().isEmpty() ? std::string()
                                            : native(dialog.selectedFiles().constFirst());
}
