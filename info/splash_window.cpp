// The splash window: banner, maker, product, version and notice; any key or click moves on.
#include "splash_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "qt_twips.h"

namespace {
constexpr int kClientWidthTwips = 5700;
constexpr int kClientHeightTwips = 2910;
}  // namespace

FrmSplash::FrmSplash(std::function<void()> showMainWindow)
    : QFrame(nullptr), m_showMainWindow(std::move(showMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    // No title bar and no task-bar entry; the raised panel is the fixed dialog border.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    const int border = frameWidth();
    setFixedSize(Twips::toPixels(kClientWidthTwips) + 2 * border,
                 Twips::toPixels(kClientHeightTwips) + 2 * border);
    buildControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void FrmSplash::buildControls() {
    // The client area clips the frame, whose border lies outside it: only its inside shows.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(contentsRect());

    m_frame1 = new QFrame(client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame1->setGeometry(QtTwips::toRect(-120, -240, 6000, 4005));
    m_frame1->installEventFilter(this);

    m_image1 = new QLabel(m_frame1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(QPixmap(QStringLiteral(":/splash/banner.jpg")));
    m_image1->move(Twips::toPixels(120), Twips::toPixels(240));
    m_image1->adjustSize();  // the picture at its natural size
    m_image1->installEventFilter(this);

    // Made in the order of their tab indexes: the notice first, the maker's name last.
    addLabel(m_frame1, "lblWarning", QStringLiteral("Use at your own risk !"), 8.25, false, 3360,
             2880);
    QLabel* version =
        addLabel(m_frame1, "lblVersion", QStringLiteral("Version 1.2"), 12, true, 120, 2760);
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    addLabel(m_frame1, "lblProductName", QStringLiteral("Vestrix"), 15.75, true, 120, 2400);
    addLabel(m_frame1, "lblCompanyProduct", QStringLiteral("TAVRIMEL"), 18, true, 120, 2040);
}

QLabel* FrmSplash::addLabel(QWidget* frame, const char* name, const QString& text, qreal points,
                            bool bold, int leftTwips, int topTwips) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(QString::fromLatin1(name));
    // Arial where it is installed, the desktop's sans-serif elsewhere.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    label->move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
    label->adjustSize();
    // A click on a label is nobody's business: it must not reach the frame behind.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

void FrmSplash::Form_KeyPress() { unloadAndShowMainWindow(); }
void FrmSplash::Frame1_Click() { unloadAndShowMainWindow(); }
void FrmSplash::Image1_Click() { unloadAndShowMainWindow(); }

void FrmSplash::keyPressEvent(QKeyEvent* event) {
    // Only keys that type something: arrows, function keys and Shift alone carry no text.
    if (event->text().isEmpty()) {
        QFrame::keyPressEvent(event);
        return;
    }
    Form_KeyPress();
}

bool FrmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == m_frame1 || watched == m_image1)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        // A click: the left button let go over the control it was pressed on.
        if (mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            if (watched == m_image1) {
                Image1_Click();
            } else {
                Frame1_Click();
            }
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void FrmSplash::unloadAndShowMainWindow() {
    if (m_unloaded) return;  // a second key in the same moment finds the splash already gone
    m_unloaded = true;
    hide();
    deleteLater();
    m_showMainWindow();
}
