// Skin Select drawn by Qt: a small tool window with the picture list and the link below it.
#pragma once

#include <QWidget>

#include "skins/form2.h"

class QLabel;
class QListWidget;

/**
 * Forwards the list's selection changes and the link's clicks to the window's logic, which it
 * loads when made: the list is filled and the first picture painted before the constructor
 * returns. Deletes itself when closed: every opening starts afresh.
 */
class QtForm2 : public QWidget, private Form2View {
    Q_OBJECT
public:
    /** canvas is the main window's background. */
    QtForm2(SkinCanvas& canvas, const Form2Services& services, QWidget* parent);

    Form2& logic() { return m_logic; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();

    // Form2View
    void setListEntries(const std::vector<std::string>& names) override;
    void setListIndex(int index) override;
    int listIndex() const override;

    QListWidget* m_file1 = nullptr;
    QLabel* m_label1 = nullptr;
    bool m_labelPressed = false;
    Form2 m_logic;
};
