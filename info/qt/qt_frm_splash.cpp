// The splash window: banner, maker, product, version and notice; any key or click moves on.
#include "info/qt/qt_frm_splash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "info/frm_splash_design.h"
#include "platform/qt/qt_twips.h"

using namespace FrmSplashDesign;

QtFrmSplash::QtFrmSplash(ProgramExit& programExit, std::function<void()> showMainWindow)
    : QFrame(nullptr), m_logic(*this, programExit, std::move(showMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    // No title bar and no task-bar entry; the raised panel is the fixed dialog border.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    const int border = frameWidth();
    const QSize client = QtTwips::toRect(0, 0, kClientWidthTwips, kClientHeightTwips).size();
    setFixedSize(client + QSize(2 * border, 2 * border));
    buildControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void QtFrmSplash::buildControls() {
    // The client area clips the frame, whose border lies outside it: only its inside shows.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(contentsRect());

    m_frame1 = new QFrame(client);
    m_frame1->setObjectName(QString::fromLatin1(kFrame1Name));
    m_frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame1->setGeometry(QtTwips::toRect(kFrame1));
    m_frame1->installEventFilter(this);

    m_image1 = new QLabel(m_frame1);
    m_image1->setObjectName(QString::fromLatin1(kImage1Name));
    m_image1->setPixmap(QPixmap(QStringLiteral(":/splash/banner.jpg")));
    m_image1->move(QtTwips::toRect(kImage1Left, kImage1Top, 0, 0).topLeft());
    m_image1->adjustSize();  // the picture at its natural size
    m_image1->installEventFilter(this);

    for (const FrmSplashDesign::Label& label : kLabels) addLabel(m_frame1, label);
}

void QtFrmSplash::addLabel(QWidget* frame, const FrmSplashDesign::Label& design) {
    auto* label = new QLabel(QString::fromLatin1(design.text), frame);
    label->setObjectName(QString::fromLatin1(design.name));
    // Arial where it is installed, the desktop's sans-serif elsewhere.
    QFont font(QString::fromLatin1(kLabelFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    label->setFont(font);
    if (design.rightAligned) label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->move(QtTwips::toRect(design.left, design.top, 0, 0).topLeft());
    label->adjustSize();
    // A click on a label is nobody's business: it must not reach the frame behind.
    label->setAttribute(Qt::WA_NoMousePropagation);
}

void QtFrmSplash::keyPressEvent(QKeyEvent* event) {
    // Only keys that type something: arrows, function keys and Shift alone carry no text.
    if (event->text().isEmpty()) {
        QFrame::keyPressEvent(event);
        return;
    }
    m_logic.Form_KeyPress();
}

void QtFrmSplash::closeEvent(QCloseEvent* event) {
    QFrame::closeEvent(event);
    if (!m_unloading) m_logic.Form_Unload();
}

bool QtFrmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_frame1 && watched != m_image1) return QFrame::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        m_pressed = watched;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        // A click: the left button let go over the control it was pressed on.
        const bool inside =
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        const bool click = m_pressed == watched && inside;
        m_pressed = nullptr;
        if (click && watched == m_image1) {
            m_logic.Image1_Click();
        } else if (click) {
            m_logic.Frame1_Click();
        }
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void QtFrmSplash::unload() {
    m_unloading = true;
    hide();
    deleteLater();
}
