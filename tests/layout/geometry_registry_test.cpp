// The reference layout as recorded: unparking, rounding, lines, control arrays, exact names.
#include <gtest/gtest.h>

#include "fake_layout.h"
#include "geometry_registry.h"
#include "layout_failure.h"

namespace {
std::string text(const char* value) { return value; }
}  // namespace

TEST(GeometryRegistry, RecordsEachControlRoundedAndUnparked) {
    const struct {
        const char* what;
        Properties properties;
        bool line;
        std::int32_t top, left, height, width;
    } cases[] = {
        {"parked far left", {{"Left", -74000.0}}, false, 0, 1000, 0, 0},
        {"parked just left", {{"Left", -100.0}}, false, 0, 74900, 0, 0},
        {"at the edge", {{"Left", 0.0}}, false, 0, 0, 0, 0},
        {"half to even down", {{"Left", 1234.5}, {"Top", -150.0}}, false, -150, 1234, 0, 0},
        {"half to even up", {{"Left", 1235.5}, {"Width", 2000.4}}, false, 0, 1236, 0, 2000},
        {"rounded before unparking", {{"Left", -0.5}, {"Height", -0.5}}, false, 0, 0, 0, 0},
        {"beyond 32 bits reads as a failure", {{"Left", 3e9}, {"Top", 10.0}}, false, 10, 0, 0, 0},
        {"line", {{"X1", -500.0}, {"Y1", 40.0}, {"X2", 300.0}, {"Y2", -60.0}}, true,
         40, 74500, -60, 300},
        {"line without Left", {{"Left", 7.0}, {"X2", -1.0}}, true, 0, 0, 0, 74999},
        {"menu entry", {}, false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GeometryRegistry registry;
        Properties properties = c.properties;
        properties["Name"] = text("Command1");
        auto control = FakeControl::make(properties, c.line);
        ASSERT_EQ(registry.RegisterControl(*control, "Form1"), 0);
        ASSERT_EQ(registry.ControlCount(), 1);
        const GeometryRecord& r = registry.ControlRecords()[0];
        EXPECT_EQ(r.Name, "Command1");
        EXPECT_EQ(r.FormName, "Form1");
        EXPECT_EQ(r.Index, 0);
        EXPECT_EQ(r.Top, c.top);
        EXPECT_EQ(r.Left, c.left);
        EXPECT_EQ(r.Height, c.height);
        EXPECT_EQ(r.Width, c.width);
        EXPECT_EQ(r.ScaleWidth, 0);
        EXPECT_EQ(control->log, std::vector<std::string>{"IntegralHeight=0"});
    }
}

TEST(GeometryRegistry, RegisterFormRecordsTheFormThenEachControlOnce) {
    FakeForm form;
    form.properties["Top"] = 1.5;
    form.properties["ScaleWidth"] = 1234.6;
    auto picture1 = FakeControl::make({{"Name", text("Picture1")}, {"Index", 1.0}});
    auto picture2 = FakeControl::make({{"Name", text("Picture1")}, {"Index", 2.0}});
    auto command = FakeControl::make({{"Name", text("Command1")}});
    form.add({picture1, picture2, command, picture2});

    GeometryRegistry registry;
    EXPECT_EQ(registry.FindFormRecord(form), -1);
    EXPECT_EQ(registry.RegisterForm(form), 0);
    EXPECT_EQ(registry.FindFormRecord(form), 0);
    const GeometryRecord& f = registry.FormRecords()[0];
    EXPECT_EQ(f.Name, "Form1");
    EXPECT_EQ(f.Top, 2);
    EXPECT_EQ(f.Height, 6400);
    EXPECT_EQ(f.Width, 6100);
    EXPECT_EQ(f.ScaleWidth, 1235);
    EXPECT_EQ(f.ScaleHeight, 6000);

    // The element met twice is recorded once; the array's elements keep their own Index.
    ASSERT_EQ(registry.ControlCount(), 3);
    EXPECT_EQ(registry.ControlRecords()[0].Index, 1);
    EXPECT_EQ(registry.ControlRecords()[1].Index, 2);
    EXPECT_EQ(registry.FindControlRecord(*picture2, "Form1"), 1);
    EXPECT_EQ(registry.FindControlRecord(*command, "Form1"), 2);
    // Without an Index a control is known by its name alone, whatever Index the record holds.
    auto noIndex = FakeControl::make({{"Name", text("Picture1")}});
    EXPECT_EQ(registry.FindControlRecord(*noIndex, "Form1"), 0);

    FakeForm empty;
    empty.properties["Name"] = text("frmEmpty");
    EXPECT_EQ(registry.RegisterForm(empty), 1);
    EXPECT_EQ(registry.FormCount(), 2);
    EXPECT_EQ(registry.ControlCount(), 3);
}

TEST(GeometryRegistry, NamesAreComparedExactlyAndFormsKeepTheirControlsApart) {
    FakeForm form1, form2, capitals;
    form2.properties["Name"] = text("Form2");
    capitals.properties["Name"] = text("FORM1");
    auto command = FakeControl::make({{"Name", text("Command1")}});
    form1.add({command});
    form2.add({command});

    GeometryRegistry registry;
    registry.RegisterForm(form1);
    registry.RegisterForm(form2);
    ASSERT_EQ(registry.ControlCount(), 2);
    EXPECT_EQ(registry.ControlRecords()[1].FormName, "Form2");
    EXPECT_EQ(registry.FindControlRecord(*command, "Form2"), 1);
    EXPECT_EQ(registry.FindControlRecord(*command, "form1"), -1);
    EXPECT_EQ(registry.FindFormRecord(capitals), -1);
    auto lower = FakeControl::make({{"Name", text("command1")}});
    EXPECT_EQ(registry.FindControlRecord(*lower, "Form1"), -1);
}

TEST(GeometryRegistry, FailuresReachTheCallerAndKeepWhatWasRecorded) {
    GeometryRegistry registry;
    FakeForm form;
    form.properties.erase("Top");
    EXPECT_THROW(registry.RegisterForm(form), LayoutFailure);
    EXPECT_EQ(registry.FormCount(), 0);
    form.properties["Top"] = 3e10;
    EXPECT_THROW(registry.RegisterForm(form), LayoutFailure);
    EXPECT_EQ(registry.FormCount(), 0);

    // The form counts before its controls: a control whose name cannot be read stops the rest.
    form.properties["Top"] = 0.0;
    form.add({FakeControl::make({{"Name", text("Command1")}}), FakeControl::make({}),
              FakeControl::make({{"Name", text("Command2")}})});
    EXPECT_THROW(registry.RegisterForm(form), LayoutFailure);
    EXPECT_EQ(registry.FormCount(), 1);
    EXPECT_EQ(registry.FormRecords()[0].Top, 0);
    EXPECT_EQ(registry.ControlCount(), 1);

    FakeForm nameless;
    nameless.properties.erase("Name");
    EXPECT_THROW(registry.FindFormRecord(nameless), LayoutFailure);
}
