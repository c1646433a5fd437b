// The splash window drawn by Qt: banner, maker, product, version and notice, without a title bar.
#pragma once

#include <QFrame>
#include <functional>

#include "info/frm_splash.h"
#include "info/frm_splash_design.h"

class QLabel;

/**
 * Hands keys that type a character and clicks on the banner or the frame to the logic; a click is
 * the left button pressed and released over the same control. Closing the window by the platform's
 * own command reaches the logic too.
 */
class QtFrmSplash : public QFrame, private FrmSplashView {
    Q_OBJECT
public:
    QtFrmSplash(ProgramExit& programExit, std::function<void()> showMainWindow);

    FrmSplash& logic() { return m_logic; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void addLabel(QWidget* frame, const FrmSplashDesign::Label& design);
    // FrmSplashView
    void unload() override;

    FrmSplash m_logic;
    bool m_unloading = false;
    QFrame* m_frame1 = nullptr;
    QLabel* m_image1 = nullptr;
    QObject* m_pressed = nullptr;  // the control the left button went down on
};
