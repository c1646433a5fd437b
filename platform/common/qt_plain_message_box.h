// The real plain message box for code without Qt: an OK box titled with the program's name.
#pragma once

#include <QPointer>
#include <QWidget>

#include "message_boxes.h"
#include "plain_message_box.h"

class QtPlainMessageBox : public PlainMessageBox {
public:
    /** Shows through boxes, over parent (none: over the window the user is working in). */
    explicit QtPlainMessageBox(MessageBoxes& boxes, QWidget* parent = nullptr)
        : m_boxes(boxes), m_parent(parent) {}
    void show(const std::string& text) override;

private:
    MessageBoxes& m_boxes;
    QPointer<QWidget> m_parent;
};
