// The About window's controls, its buttons and keys handed to the logic.
#include "info/qt/qt_frm_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "info/frm_about_design.h"
#include "info/qt/line_control.h"
#include "platform/qt/qt_twips.h"

namespace {

using namespace FrmAboutDesign;

// A picture box sized to its picture: the logo inside a sunken two-pixel border.
QLabel* pictureBox(const char* name, const QString& picture, int left, int top, int size,
                   QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    box->setPixmap(QPixmap(picture));
    box->setAlignment(Qt::AlignCenter);
    box->setGeometry(QtTwips::toRect(left, top, size, size));
    return box;
}
}  // namespace

QtFrmAbout::QtFrmAbout(const AboutServices& services, QWidget* parent)
    : QDialog(parent), m_logic(*this, services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About The Vestrix"));
    // A fixed dialog border with the close box only; as a child of the main window it stays
    // out of the task bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(false);
    // Where the window was designed to stand, not centred over the main window.
    // The labels were sized for an eight-point face; a larger one would wrap out of them.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setGeometry(
        QtTwips::toRect(kClientLeftTwips, kClientTopTwips, kClientWidthTwips, kClientHeightTwips));
    setFixedSize(size());
    buildControls();
}

void QtFrmAbout::buildControls() {
    // The etched separator first, so that it lies under the controls.
    auto* shadow = new LineControl(QStringLiteral("Line1"), 1, this);
    shadow->setColor(QColor(128, 128, 128));
    shadow->setStyle(LineControl::Style::InsideSolid);
    shadow->setEnds(90, 2445, 5654, 2445);
    auto* highlight = new LineControl(QStringLiteral("Line1"), 0, this);
    highlight->setColor(Qt::white);
    highlight->setLineWidth(2);
    highlight->setEnds(105, 2460, 5654, 2460);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(QtTwips::toRect(4245, 2625, 1260, 345));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { m_logic.cmdOK_Click(); });

    pictureBox("picIcon", QStringLiteral(":/about/logo32.bmp"), 120, 240, 540, this);

    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(QtTwips::toRect(4260, 3075, 1245, 345));
    connect(sysInfo, &QPushButton::clicked, this, [this] { m_logic.cmdSysInfo_Click(); });

    for (const LabelText& label : kLabels) {
        auto* widget = new QLabel(QString::fromLatin1(label.text), this);
        widget->setObjectName(QString::fromLatin1(label.name));
        widget->setWordWrap(true);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget->setGeometry(QtTwips::toRect(label.left, label.top, label.width, label.height));
    }

    pictureBox("Picture1", QStringLiteral(":/about/logo33.bmp"), 120, 840, 555, this);

    // The pictures take no focus: Tab goes from button to button.
    setTabOrder(m_cmdOK, sysInfo);
    m_cmdOK->setFocus();
}

void QtFrmAbout::keyPressEvent(QKeyEvent* event) {
    // Escape is OK's too, as its cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
