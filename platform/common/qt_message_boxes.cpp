// The real message boxes.
#include "qt_message_boxes.h"

#include <QMessageBox>

MessageAnswer QtMessageBoxes::show(QWidget* parent, const QString& text, const QString& title,
                                   MessageButtons buttons, MessageAnswer defaultAnswer) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
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
