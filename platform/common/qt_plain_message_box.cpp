// Plain boxes with the program's name as their title.
#include "qt_plain_message_box.h"

#include <QApplication>

void QtPlainMessageBox::show(const std::string& text) {
    QWidget* parent = m_parent ? m_parent.data() : QApplication::activeWindow();
    m_boxes.show(parent, QString::fromStdString(text), QStringLiteral("Vestrix"),
                 MessageButtons::Ok, MessageAnswer::Ok);
}
