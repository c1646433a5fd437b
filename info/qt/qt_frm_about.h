// The About window drawn by Qt: the product's name and version, credits, a notice, the etched
// separator and the two buttons.
#pragma once

#include <QDialog>

#include "info/frm_about.h"

class QPushButton;

/**
 * Modeless, fixed in size and place, closed by OK, Enter, Escape or its close box (and then
 * deleted). The main window keeps one and shows it again while it is open.
 */
class QtFrmAbout : public QDialog, private FrmAboutView {
    Q_OBJECT
public:
    explicit QtFrmAbout(const AboutServices& services, QWidget* parent = nullptr);

    FrmAbout& logic() { return m_logic; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    // FrmAboutView
    void unload() override { QDialog::close(); }

    FrmAbout m_logic;
    QPushButton* m_cmdOK = nullptr;
};
