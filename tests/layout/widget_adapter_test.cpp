// The scaler over real widgets: the controls collection, twips, lines, menu entries, moves, and a
// window whose inner size changes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>

#include "layout_scaler.h"
#include "widget_layout_form.h"

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

template <class Widget, class... Args>
Widget* named(const char* name, QWidget* parent, QRect place, Args... args) {
    auto* widget = new Widget(args..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

std::optional<double> number(const LayoutControl& control, const char* name) {
    const auto value = control.property(name);
    if (!value) return std::nullopt;
    return std::get<double>(*value);
}

std::string name(const LayoutControl& control) {
    return std::get<std::string>(*control.property("Name"));
}

}  // namespace

TEST(WidgetLayoutAdapter, ListsWidgetsThenMenusAndSpeaksTwips) {
    QMainWindow window;
    window.setObjectName(QStringLiteral("Form9"));
    auto* client = new QWidget;
    client->setFixedSize(300, 200);
    window.setCentralWidget(client);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->addAction(QStringLiteral("About"))->setObjectName(QStringLiteral("AboutMenu"));
    help->addSeparator();
    help->addAction(QStringLiteral("unnamed"));

    auto* button = named<QPushButton>("Command1", client, {8, 16, 100, 20});
    named<QWidget>("Picture1", client, {10, 20, 30, 40})->setProperty("index", 3);
    new TestLine(-500, 10, 300, 20, client);
    auto* frame = new QWidget(client);
    named<QLabel>("Label1", frame, {1, 2, 3, 4});
    named<QSpinBox>("Spin1", client, {0, 0, 50, 20});
    window.show();

    WidgetLayoutForm form(&window);
    const auto controls = form.controls();
    ASSERT_TRUE(controls);
    std::vector<std::string> names;
    for (const auto& c : *controls) names.push_back(name(*c));
    EXPECT_EQ(names, (std::vector<std::string>{"Command1", "Picture1", "Line1", "Label1", "Spin1",
                                               "HelpMenu", "AboutMenu"}));
    EXPECT_EQ(std::get<double>(*form.property("ScaleWidth")), 4500);
    EXPECT_EQ(std::get<double>(*form.property("ScaleHeight")), 3000);
    EXPECT_EQ(std::get<bool>(*form.property("MDIChild")), false);

    const LayoutControl& command = *(*controls)[0];
    EXPECT_EQ(number(command, "Left"), 120);
    EXPECT_EQ(number(command, "Top"), 240);
    EXPECT_EQ(number(command, "Width"), 1500);
    EXPECT_EQ(number(command, "Height"), 300);
    EXPECT_EQ(number(command, "Index"), std::nullopt);
    EXPECT_EQ(number(command, "X1"), std::nullopt);
    EXPECT_EQ(number(*(*controls)[1], "Index"), 3);

    LayoutControl& line = *(*controls)[2];
    EXPECT_TRUE(line.isLine());
    EXPECT_EQ(number(line, "X1"), -500);
    EXPECT_EQ(number(line, "Left"), std::nullopt);
    const double somewhere[] = {15, 15};
    EXPECT_FALSE(line.move(somewhere));
    EXPECT_TRUE(line.setProperty("X2", 450.0));
    EXPECT_EQ(number(line, "X2"), 450);
    EXPECT_FALSE(line.setProperty("X2", 1.5));

    LayoutControl& about = *(*controls)[6];
    for (const char* geometry : {"Left", "Top", "Width", "Height", "Index", "X1"}) {
        EXPECT_EQ(about.property(geometry), std::nullopt) << geometry;
    }
    EXPECT_FALSE(about.move(somewhere));
    EXPECT_FALSE(about.setProperty("IntegralHeight", false));

    // Two, three or four numbers in twips; fractions, negative sizes and a fifth number refused.
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
        {{0, 0, 15, 15, 15}, false, {-1, 0, 50, 30}},
        {{3e9, 0}, false, {-1, 0, 50, 30}},
    };
    LayoutControl& movable = *(*controls)[0];
    for (const auto& m : moves) {
        EXPECT_EQ(movable.move(m.numbers), m.accepted) << m.numbers.size();
        EXPECT_EQ(button->geometry(), m.place);
    }
}

TEST(WidgetLayoutAdapter, AWindowWhoseInsideGrowsSpreadsItsControls) {
    QWidget window;
    window.setObjectName(QStringLiteral("frmTest"));
    window.resize(400, 300);
    auto* button = named<QPushButton>("Command1", &window, {40, 30, 100, 20});
    auto* line = new TestLine(600, 450, 1500, 450, &window);

    LayoutScaler scaler;
    WidgetLayoutForm form(&window);
    scaler.ResizeForm(form);
    EXPECT_EQ(button->geometry(), QRect(40, 30, 100, 20));

    window.resize(600, 300);
    scaler.ResizeForm(form);
    EXPECT_EQ(button->geometry(), QRect(60, 30, 150, 20));
    EXPECT_EQ(line->m_x1, 900);
    EXPECT_EQ(line->m_x2, 2250);
    EXPECT_EQ(line->m_y2, 450);

    window.resize(400, 600);
    scaler.ResizeForm(form);
    EXPECT_EQ(button->geometry(), QRect(40, 60, 100, 40));
    EXPECT_EQ(line->m_x1, 600);
    EXPECT_EQ(line->m_y1, 900);
    EXPECT_FALSE(scaler.Resizing());
}

#include "widget_adapter_test.moc"
