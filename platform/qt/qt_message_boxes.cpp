// The real message boxes.
#include "platform/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

MessageAnswer QtMessageBoxes::show(const std::string& text, const std::string& title,
                                   MessageButtons buttons, MessageAnswer defaultAnswer) {
    // Texts are in the system's encoding, as the file names in them are.
    QMessageBox box(QMessageBox::NoIcon, QString::fromLocal8Bit(title),
                    QString::fromLocal8Bit(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultAnswer == MessageAnswer::No ? QMessageBox::No
                                                                : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}
