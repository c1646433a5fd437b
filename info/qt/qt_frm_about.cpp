// The About window's controls, its buttons and keys handed to the logic.
#include "info/qt/qt_frm_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <string_view>

#include "info/frm_about_design.h"
#include "info/qt/line_control.h"
#include "platform/qt/qt_twips.h"

namespace {

using namespace FrmAboutDesign;

QString latin1(const char* text) { return QString::fromLatin1(text); }

QColor colour(const WindowDesign::Colour& design) {
    return QColor(design.red, design.green, design.blue);
}
}  // namespace

QtFrmAbout::QtFrmAbout(const AboutServices& services, QWidget* parent)
    : QDialog(parent), m_logic(*this, services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(latin1(kWindow.caption));
    // A fixed dialog border with the close box only; as a child of the main window it stays
    // out of the task bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(false);
    // The system's face at the size the labels were made for.
    QFont small = font();
    small.setPointSizeF(kWindow.fontPoints);
    setFont(small);
    // Where the window was designed to stand, not centred over the main window.
    setGeometry(QtTwips::toRect(kClientLeftTwips, kClientTopTwips, kWindow.clientWidthTwips,
                                kWindow.clientHeightTwips));
    setFixedSize(size());
    buildControls();
}

void QtFrmAbout::buildControls() {
    for (const Line& design : kLines) {
        auto* line = new LineControl(latin1(design.name), design.index, this);
        line->setColor(colour(design.colour));
        line->setLineWidth(design.widthPixels);
        if (design.insideSolid) line->setStyle(LineControl::Style::InsideSolid);
        line->setEnds(design.x1, design.y1, design.x2, design.y2);
    }

    QPushButton* previousButton = nullptr;
    for (const Control& design : kControls) {
        QWidget* control = nullptr;
        switch (design.kind) {
            case Kind::Button: {
                auto* button = new QPushButton(latin1(design.caption), this);
                const auto click = design.click;
                connect(button, &QPushButton::clicked, this, [this, click] { (m_logic.*click)(); });
                if (previousButton) setTabOrder(previousButton, button);
                previousButton = button;
                if (std::string_view(design.name) == kDefaultButton) {
                    m_cmdOK = button;
                    button->setDefault(true);
                }
                control = button;
                break;
            }
            case Kind::Picture: {
                auto* box = new QLabel(this);
                box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
                box->setPixmap(
                    QPixmap(QStringLiteral(":/about/%1.bmp").arg(latin1(design.caption))));
                box->setAlignment(Qt::AlignCenter);
                control = box;
                break;
            }
            case Kind::Label: {
                auto* label = new QLabel(latin1(design.caption), this);
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                control = label;
                break;
            }
        }
        control->setObjectName(latin1(design.name));
        control->setGeometry(QtTwips::toRect(design.place));
    }
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
