// "Visit Our Website": the home page, then a re-layout of a window whose size never changes.
#include <QAction>
#include <QImage>
#include <array>

#include "info/web_addresses.h"
#include "layout/layout_scaler.h"
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

    // The window's client area and its controls in twips, menu entries without geometry.
    const GeometryRegistry& registry = window->logic().layoutScaler().registry();
    EXPECT_FALSE(window->logic().layoutScaler().Resizing());
    ASSERT_EQ(registry.FormCount(), 1);
    EXPECT_EQ(registry.FormRecords()[0].Name, "Form1");
    EXPECT_EQ(registry.FormRecords()[0].ScaleWidth, 6915);
    EXPECT_EQ(registry.FormRecords()[0].ScaleHeight, 5610);
    ASSERT_EQ(registry.ControlCount(), 14 + 12);
    const auto& records = registry.ControlRecords();
    EXPECT_EQ(records[0].Name, "Command1");
    EXPECT_EQ((std::array{records[0].Left, records[0].Top, records[0].Width, records[0].Height}),
              (std::array{120, 2400, 1935, 375}));
    EXPECT_EQ(records[2].Name, "CancelFolder");
    EXPECT_EQ(records[10].Name + std::to_string(records[10].Index), "Picture17");
    EXPECT_EQ(records[14].Name, "FileMenu");
    const GeometryRecord& visitRecord = records[25];
    EXPECT_EQ(visitRecord.Name, "visitwebsiteMenu");
    EXPECT_EQ(visitRecord.Left + visitRecord.Top + visitRecord.Width + visitRecord.Height, 0);
}
