// The Skin Select window's controls, and its events handed to the logic.
#include "skins/qt/qt_form2.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "platform/qt/qt_twips.h"
#include "skins/form2_design.h"

namespace {
using namespace Form2Design;

/** The desktop's sans-serif stands in for the design's face where it is not installed. */
QFont designFont() {
    QFont font(QString::fromLatin1(kFontFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFontPoints);
    return font;
}

void place(QWidget* widget, const Form2Design::Control& control) {
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(QtTwips::toRect(control.place));
}

/** A label centred in its place, in the design's face. */
QLabel* centredLabel(const Form2Design::Control& control, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(control.caption), parent);
    place(label, control);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(designFont());
    return label;
}
}  // namespace

QtForm2::QtForm2(SkinCanvas& canvas, const Form2Services& services, QWidget* parent)
    : QWidget(parent), m_logic(*this, canvas, services) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromLatin1(kCaption));
    // A fixed tool window: a small title bar with a close box, nothing else, no task-bar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    const QRect client = QtTwips::toRect(0, 0, kClientWidthTwips, kClientHeightTwips);
    setFixedSize(client.size());
    buildControls();
    m_logic.Form_Load();
}

void QtForm2::buildControls() {
    m_file1 = new QListWidget(this);
    place(m_file1, kFile1);

    m_label1 = centredLabel(kLabel1, this);
    QFont linkFont = m_label1->font();
    linkFont.setUnderline(true);
    m_label1->setFont(linkFont);
    QPalette linkColours = m_label1->palette();
    linkColours.setColor(QPalette::WindowText,
                         QColor(kLinkColour.red, kLinkColour.green, kLinkColour.blue));
    m_label1->setPalette(linkColours);
    m_label1->installEventFilter(this);

    // Two lines tall, to take the sentence where the font is wide.
    centredLabel(kLabel2, this)->setWordWrap(true);

    // Every change of the selection by the user paints, by mouse or arrow keys.
    connect(m_file1, &QListWidget::currentRowChanged, this, [this] { m_logic.File1_Click(); });
}

void QtForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The arrow keys move through the skins as soon as the window opens, whether or not a window
    // manager gives a new window the keyboard.
    activateWindow();
    m_file1->setFocus();
}

void QtForm2::setListEntries(const std::vector<std::string>& names) {
    const QSignalBlocker quiet(m_file1);
    m_file1->clear();
    for (const std::string& name : names) m_file1->addItem(QFile::decodeName(name.c_str()));
}

void QtForm2::setListIndex(int index) {
    const QSignalBlocker quiet(m_file1);
    m_file1->setCurrentRow(index);
}

int QtForm2::listIndex() const { return m_file1->currentRow(); }

bool QtForm2::eventFilter(QObject* watched, QEvent* event) {
    // A click is a left-button press on the link and its release over it.
    if (watched == m_label1) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            m_labelPressed = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            const bool inside = m_label1->rect().contains(mouse->position().toPoint());
            const bool click = m_labelPressed && inside;
            m_labelPressed = false;
            if (click) m_logic.Label1_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
