// "Visit Our Website": the home page, then a re-layout of a window whose size never changes, which
// records every control as the design tables place it.
#include <QAction>
#include <QImage>
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "conversion/preview_boxes.h"
#include "info/web_addresses.h"
#include "layout/layout_scaler.h"
#include "mainwindow/form1_design.h"
#include "tests/support/qt/qt_window_fixture.h"

using Form1Website = QtWindowTest;

TEST_F(Form1Website, OpensTheHomePageAndLeavesEveryPixelInPlace) {
    const std::unique_ptr<QtForm1> window = startWindow();
    m_fake.dialogs.openAnswers.push_back(putJersey("kit.fsh"));
    window->logic().Command1_Click();
    window->show();
    const QList<QWidget*> widgets = window->centralWidget()->findChildren<QWidget*>();
    std::vector<QRect> places;
    for (QWidget* widget : widgets) places.push_back(widget->geometry());
    const QImage before = window->grab().toImage();

    // The first click records the layout, the later ones scale it by 100 %.
    auto* visit = window->findChild<QAction*>(QStringLiteral("visitwebsiteMenu"));
    for (int click = 1; click <= 3; ++click) {
        SCOPED_TRACE(click);
        visit->trigger();
        for (qsizetype i = 0; i < widgets.size(); ++i) {
            EXPECT_EQ(widgets[i]->geometry(), places[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(window->grab().toImage(), before);
    }
    EXPECT_EQ(m_fake.urlOpener.addresses, std::vector<std::string>(3, WebAddresses::kHomePage));
    EXPECT_TRUE(m_fake.messages.shown.empty());

    // The window's client area and every control in twips as the design tables place them, the
    // menus and their entries without geometry.
    using namespace Form1Design;
    const GeometryRegistry& registry = window->logic().layoutScaler().registry();
    EXPECT_FALSE(window->logic().layoutScaler().Resizing());
    ASSERT_EQ(registry.FormCount(), 1);
    EXPECT_EQ(registry.FormRecords()[0].Name, "Form1");
    EXPECT_EQ(registry.FormRecords()[0].ScaleWidth, kWindow.clientWidthTwips);
    EXPECT_EQ(registry.FormRecords()[0].ScaleHeight, kWindow.clientHeightTwips);
    using Place = std::array<std::int32_t, 4>;  // left, top, width, height
    // Recorded as the controls stand, in whole pixels: a picture box's 1984 twips are 132 pixels.
    const auto place = [](const Twips::Place& p) {
        const auto stood = [](int twips) { return Twips::toPixels(twips) * Twips::kPerPixel; };
        return Place{stood(p.left), stood(p.top), stood(p.width), stood(p.height)};
    };
    std::map<std::string, Place> designed;
    for (const Control* control : kControls) designed[control->name] = place(control->place);
    for (std::size_t i = 0; i < PreviewBoxes::kTwips.size(); ++i) {
        designed["Picture1" + std::to_string(i)] = place(PreviewBoxes::kTwips[i]);
    }
    for (const Menu& menu : kMenus) {
        designed[menu.name] = {};
        for (const MenuEntry& entry : menu.entries) designed[entry.name] = {};
    }
    std::map<std::string, Place> recorded;
    for (std::int32_t i = 0; i < registry.ControlCount(); ++i) {
        const GeometryRecord& record = registry.ControlRecords()[static_cast<std::size_t>(i)];
        EXPECT_EQ(record.FormName, "Form1");
        const std::string name =
            record.Name == "Picture1" ? record.Name + std::to_string(record.Index) : record.Name;
        recorded[name] = {record.Left, record.Top, record.Width, record.Height};
    }
    EXPECT_EQ(recorded, designed);
}
