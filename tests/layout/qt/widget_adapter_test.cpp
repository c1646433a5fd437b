// The scaler over real widgets: the controls collection, twips, lines, menu entries, moves, and a
// window whose inside changes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>

#include "layout/layout_scaler.h"
#include "layout/qt/widget_layout_form.h"

namespace {

/** A line as the windows draw them: end points in twips, no Left and no Move. */
class TestLine : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int X1 MEMBER m_x1)
    Q_PROPERTY(int Y1 MEMBER m_y1)
    Q_PROPERTY(int X2 MEMBER m_x2)
    Q_PROPERTY(int Y2 MEMBER m_y2)
public:
    TestLine(int x1, int y1, int x2, int y2, QWidget* parent)
        : QWidget(parent), m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2) {
        setObjectName(QStringLiteral("Line1"));
    }
    int m_x1, m_y1, m_x2, m_y2;
};

template <class Widget>
Widget* named(const char* name, QWidget* parent, QRect place) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

std::optional<PropertyValue> read(const LayoutControl& control, const char* name) {
    return control.property(name);
}

}  // namespace

TEST(WidgetLayoutAdapter, ListsWidgetsThenMenusAndSpeaksTwips) {
    QMainWindow window;
    auto* client = new QWidget;
    client->setFixedSize(300, 200);
    window.setCentralWidget(client);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->addAction(QStringLiteral("About"))->setObjectName(QStringLiteral("AboutMenu"));
    help->addSeparator();
    auto* button = named<QPushButton>("Command1", client, {8, 16, 100, 20});
    named<QWidget>("Picture1", client, {})->setProperty("index", 3);
    auto* line = new TestLine(-500, 10, 300, 20, client);
    named<QLabel>("Label1", new QWidget(client), {});  // inside an unnamed frame
    named<QSpinBox>("Spin1", client, {});              // its inner edit box is Qt's, not ours
    window.show();

    WidgetLayoutForm form(&window);
    const auto controls = form.controls();
    ASSERT_TRUE(controls);
    std::vector<std::string> names;
    for (const auto& c : *controls) names.push_back(std::get<std::string>(*read(*c, "Name")));
    EXPECT_EQ(names, (std::vector<std::string>{"Command1", "Picture1", "Line1", "Label1", "Spin1",
                                               "HelpMenu", "AboutMenu"}));
    // The client area below the menu bar.
    EXPECT_EQ(form.property("ScaleWidth"), PropertyValue(4500.0));
    EXPECT_EQ(form.property("ScaleHeight"), PropertyValue(3000.0));

    // Command1, Picture1, Line1 and AboutMenu; nothing for what a control lacks.
    const struct {
        std::size_t control;
        const char* property;
        std::optional<double> twips;
    } reads[] = {{0, "Left", 120}, {0, "Height", 300}, {0, "Index", {}}, {1, "Index", 3},
                 {2, "X1", -500},  {2, "Left", {}},    {6, "Top", {}},   {6, "Index", {}}};
    for (const auto& r : reads) {
        const auto value = read(*(*controls)[r.control], r.property);
        EXPECT_EQ(value ? std::optional(std::get<double>(*value)) : std::nullopt, r.twips)
            << r.control << r.property;
    }
    const double place[] = {15, 15};
    EXPECT_FALSE((*controls)[2]->move(place));
    EXPECT_FALSE((*controls)[6]->move(place));
    EXPECT_TRUE((*controls)[2]->setProperty("X2", 450.0));
    EXPECT_FALSE((*controls)[2]->setProperty("Y2", 1.5));
    EXPECT_EQ(std::vector({line->m_x2, line->m_y2}), std::vector({450, 20}));

    // Whole twips only, no negative size; a refused move changes nothing.
    const struct {
        std::vector<double> numbers;
        bool accepted;
        QRect place;
    } moves[] = {
        {{150, 300, 1500, 450}, true, {10, 20, 100, 30}},
        {{300, 150, 750}, true, {20, 10, 50, 30}},
        {{-15, 0}, true, {-1, 0, 50, 30}},
        {{0, 0, -15}, false, {-1, 0, 50, 30}},
        {{7.5, 0}, false, {-1, 0, 50, 30}},
    };
    LayoutControl& movable = *(*controls)[0];
    for (const auto& m : moves) {
        EXPECT_EQ(movable.move(m.numbers), m.accepted) << m.numbers.size();
        EXPECT_EQ(button->geometry(), m.place);
    }
}

TEST(WidgetLayoutAdapter, AWindowWhoseInsideChangesMovesItsControls) {
    QWidget window;
    window.setObjectName(QStringLiteral("frmTest"));
    window.resize(400, 300);
    auto* button = named<QPushButton>("Command1", &window, {40, 30, 100, 20});
    auto* line = new TestLine(600, 450, 1500, 450, &window);
    LayoutScaler scaler;
    WidgetLayoutForm form(&window);
    scaler.ResizeForm(form);

    window.resize(600, 300);
    scaler.ResizeForm(form);
    EXPECT_EQ(button->geometry(), QRect(60, 30, 150, 20));
    EXPECT_EQ(std::vector({line->m_x1, line->m_y1, line->m_x2}), std::vector({900, 450, 2250}));

    window.resize(400, 600);
    scaler.ResizeForm(form);
    EXPECT_EQ(button->geometry(), QRect(40, 60, 100, 40));
    EXPECT_EQ(std::vector({line->m_x1, line->m_y1, line->m_x2}), std::vector({600, 900, 1500}));
}

TEST(WidgetLayoutAdapter, AWindowStretchedAroundAFixedClientAreaKeepsItsControlsInPlace) {
    // No window manager, or one that ignores the size hints: the window grows, the area its
    // controls live in does not.
    QMainWindow window;
    window.setObjectName(QStringLiteral("Form1"));
    auto* client = new QWidget;
    client->setFixedSize(300, 200);
    window.setCentralWidget(client);
    window.menuBar()->addMenu(QStringLiteral("File"))->setObjectName(QStringLiteral("FileMenu"));
    auto* button = named<QPushButton>("Command2", client, {8, 170, 100, 20});
    window.show();
    LayoutScaler scaler;
    WidgetLayoutForm form(&window);
    scaler.ResizeForm(form);

    window.resize(700, 600);
    EXPECT_EQ(form.property("ScaleWidth"), PropertyValue(4500.0));
    EXPECT_EQ(form.property("ScaleHeight"), PropertyValue(3000.0));
    scaler.ResizeForm(form);
    EXPECT_EQ(button->geometry(), QRect(8, 170, 100, 20));
}

#include "widget_adapter_test.moc"
