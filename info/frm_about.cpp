// The About window's controls and its two buttons.
#include "frm_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "line_control.h"
#include "qt_twips.h"
#include "system_info.h"

namespace {
constexpr int kClientWidthTwips = 5730;
constexpr int kClientHeightTwips = 3555;
constexpr int kClientLeftTwips = 2340;
constexpr int kClientTopTwips = 1935;

struct LabelText {
    const char* name;
    const char* text;
    int left, top, width, height;
};

// In tab order. Label2's spaces make the narrow label break its roles into a column that faces
// the names of Label1.
constexpr LabelText kLabels[] = {
    {"lblDescription",
     "It will create a FIFA2000 jersey file from an old FIFA99 file. great for your fifa needs :)",
     1050, 960, 3885, 450},
    {"lblDisclaimer",
     "Vestrix is free and made by fans. It is not made, endorsed or supported by the game's "
     "makers. Keep a copy of every jersey you change.",
     255, 2625, 3870, 825},
    {"lblTitle", "Vestrix", 1050, 240, 3885, 240},
    {"lblVersion", "Version 1.2", 1050, 600, 3885, 225},
    {"Label1", "Code team\nDesign team\nKit team\nSkin team", 120, 1560, 1215, 855},
    {"Label2", "CODE                 IDEA,  GRAPHICS   GRAPHICS            MISC ART", 1440, 1560,
     1455, 855},
    {"Label3",
     "Thanks to the FIFA modding community for what it found out about FIFA 2000 jerseys.", 3120,
     1680, 2370, 675},
};

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

FrmAbout::FrmAbout(const AboutServices& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_messageBox(services.messageBoxes) {
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

void FrmAbout::buildControls() {
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
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);

    pictureBox("picIcon", QStringLiteral(":/about/logo32.bmp"), 120, 240, 540, this);

    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(QtTwips::toRect(4260, 3075, 1245, 345));
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);

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

void FrmAbout::cmdOK_Click() { close(); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::StartSysInfo() {
    ::StartSysInfo(
        {m_services.registry, m_services.fileExistence, m_services.programStarter, m_messageBox});
}

void FrmAbout::keyPressEvent(QKeyEvent* event) {
    // Escape is OK's too, as its cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
