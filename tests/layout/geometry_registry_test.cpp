// The reference layout as recorded: unparking, rounding, lines, control arrays, exact names.
#include "layout/geometry_registry.h"

#include <gtest/gtest.h>

#include "layout/layout_failure.h"
#include "tests/layout/fake_layout.h"

namespace {
PropertyValue text(const char* value) { return std::string(value); }
std::shared_ptr<FakeObject> named(const char* name, Properties more = {}) {
    more["Name"] = text(name);
    return std::make_shared<FakeObject>(more);
}
}  // namespace

TEST(GeometryRegistry, RecordsEachControlRoundedAndUnparked) {
    const struct {
        Properties properties;
        bool line;
        std::vector<std::int32_t> topLeftHeightWidth;
    } cases[] = {
        {{{"Left", -74000.0}, {"Top", -150.0}}, false, {-150, 1000, 0, 0}},
        {{{"Left", -100.0}, {"Width", 2000.4}}, false, {0, 74900, 0, 2000}},
        {{{"Left", 0.0}, {"Height", 3e9}}, false, {0, 0, 0, 0}},  // beyond 32 bits: unread
        {{{"Left", 1234.5}}, false, {0, 1234, 0, 0}},
        {{{"Left", 1235.5}}, false, {0, 1236, 0, 0}},
        {{{"Left", -0.5}}, false, {0, 0, 0, 0}},  // rounded before it could count as parked
        {{{"X1", -500.0}, {"Y1", 40.0}, {"X2", 300.0}, {"Y2", -60.0}, {"Left", 9.0}},
         true,
         {40, 74500, -60, 300}},
        {{}, false, {0, 0, 0, 0}},  // a menu entry
    };
    for (const auto& c : cases) {
        GeometryRegistry registry;
        FakeObject control(c.properties, c.line);
        control.properties["Name"] = text("Command1");
        ASSERT_EQ(registry.RegisterControl(control, "Form1"), 0);
        const GeometryRecord& r = registry.ControlRecords().at(0);
        EXPECT_EQ((std::vector{r.Top, r.Left, r.Height, r.Width}), c.topLeftHeightWidth);
        EXPECT_EQ(r.Name + "/" + r.FormName, "Command1/Form1");
        EXPECT_EQ(r.Index + r.ScaleWidth + r.ScaleHeight, 0);
        EXPECT_EQ(control.writes(), std::vector<std::string>{"IntegralHeight=0"});
    }
}

TEST(GeometryRegistry, RecordsAFormWithItsControlsOnceEach) {
    auto form = FakeObject::form();
    form->properties["Top"] = 1.5;
    form->properties["ScaleWidth"] = 1234.6;
    auto picture1 = named("Picture1", {{"Index", 1.0}});
    auto picture2 = named("Picture1", {{"Index", 2.0}});
    auto command = named("Command1");
    form->list = {picture1, picture2, command, picture2};

    GeometryRegistry registry;
    EXPECT_EQ(registry.FindFormRecord(*form), -1);
    EXPECT_EQ(registry.RegisterForm(*form), 0);
    EXPECT_EQ(registry.FindFormRecord(*form), 0);
    const GeometryRecord& f = registry.FormRecords()[0];
    EXPECT_EQ((std::vector{f.Top, f.Left, f.Height, f.Width, f.ScaleHeight, f.ScaleWidth}),
              (std::vector{2, 0, 6400, 6100, 6000, 1235}));
    ASSERT_EQ(registry.ControlCount(), 3);
    EXPECT_EQ(registry.ControlRecords()[1].Index, 2);
    EXPECT_EQ(registry.FindControlRecord(*picture2, "Form1"), 1);
    EXPECT_EQ(registry.FindControlRecord(*command, "Form1"), 2);
    // Without an Index a control is known by its name alone, whatever Index the record holds.
    EXPECT_EQ(registry.FindControlRecord(*named("Picture1"), "Form1"), 0);

    // Same control name on another form; names differing in case are other names.
    auto form2 = FakeObject::form();
    form2->properties["Name"] = text("Form2");
    form2->list = {command};
    EXPECT_EQ(registry.RegisterForm(*form2), 1);
    EXPECT_EQ(registry.ControlRecords()[3].FormName, "Form2");
    EXPECT_EQ(registry.FindControlRecord(*command, "Form2"), 3);
    EXPECT_EQ(registry.FindControlRecord(*command, "form2"), -1);
    EXPECT_EQ(registry.FindControlRecord(*named("command1"), "Form1"), -1);
    form2->properties["Name"] = text("FORM1");
    EXPECT_EQ(registry.FindFormRecord(*form2), -1);

    form2->properties["Name"] = text("frmEmpty");
    form2->list.clear();
    EXPECT_EQ(registry.RegisterForm(*form2), 2);
    EXPECT_EQ(registry.ControlCount(), 4);
}

TEST(GeometryRegistry, FailuresReachTheCallerAndKeepWhatWasRecorded) {
    GeometryRegistry registry;
    auto form = FakeObject::form();
    form->properties["Top"] = 3e10;
    EXPECT_THROW(registry.RegisterForm(*form), LayoutFailure);
    EXPECT_EQ(registry.FormCount(), 0);

    // The form counts before its controls: a control whose name cannot be read stops the rest.
    form->properties["Top"] = 0.0;
    form->list = {named("Command1"), std::make_shared<FakeObject>(), named("Command2")};
    EXPECT_THROW(registry.RegisterForm(*form), LayoutFailure);
    EXPECT_EQ(registry.FormCount(), 1);
    EXPECT_EQ(registry.ControlCount(), 1);

    form->properties.erase("Name");
    EXPECT_THROW(registry.FindFormRecord(*form), LayoutFailure);
}
