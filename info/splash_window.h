// The splash window: the program's first and, until the user answers it, only window.
#pragma once

#include <QFrame>
#include <functional>

class QLabel;

/**
 * A key that types a character, or a click on the banner or beside the labels, unloads the splash
 * and only then runs showMainWindow, so anything the main window's start-up says appears with the
 * splash already gone. A click on a label, or a key that types nothing, leaves it in place.
 */
class FrmSplash : public QFrame {
    Q_OBJECT
public:
    explicit FrmSplash(std::function<void()> showMainWindow);

    // Event procedures; the three share one body.
    void Form_KeyPress();
    void Frame1_Click();
    void Image1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QLabel* addLabel(QWidget* frame, const char* name, const QString& text, qreal points, bool bold,
                     int leftTwips, int topTwips);
    void unloadAndShowMainWindow();

    std::function<void()> m_showMainWindow;
    bool m_unloaded = false;
    QFrame* m_frame1 = nullptr;
    QLabel* m_image1 = nullptr;
};
