// Proportional re-layout over scripted forms: percentages, parking, lines, moves, child windows,
// refused nested passes and the failures that end a pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "fake_layout.h"
#include "layout_failure.h"
#include "layout_scaler.h"

namespace {
std::string text(const char* value) { return value; }

std::shared_ptr<FakeControl> control(double left, double top, double width, double height) {
    return FakeControl::make({{"Name", text("Command1")}, {"Left", left}, {"Top", top},
                              {"Width", width}, {"Height", height}});
}

std::vector<double> place(const FakeControl& c) {
    return {c.number("Left"), c.number("Top"), c.number("Width"), c.number("Height")};
}

std::vector<std::string> writes(const std::vector<std::string>& log) {
    std::vector<std::string> result;
    std::copy_if(log.begin(), log.end(), std::back_inserter(result),
                 [](const std::string& entry) { return entry.find('=') != std::string::npos; });
    return result;
}
}  // namespace

TEST(LayoutScaler, ScalesTheRecordByTheInnerSizeNow) {
    const struct {
        const char* what;
        double recordedWidth, recordedHeight, width, height;
        std::vector<double> recorded;
        std::optional<double> leftNow;
        std::vector<double> expected;
    } cases[] = {
        {"149 %", 6000, 6000, 8999, 6000, {1000, 500, 2000, 300}, {}, {1490, 500, 2980, 300}},
        {"133 % truncates toward zero", 6000, 6000, 9000, 7980, {1000, -150, 2000, 300}, {},
         {1500, -199, 3000, 399}},
        {"parked now", 6000, 6000, 9000, 6000, {1000, 0, 10, 10}, -5, {-73500, 0, 15, 10}},
        {"parked since recorded", 6000, 6000, 6000, 6000, {-100, 0, 10, 10}, {}, {-100, 0, 10, 10}},
        {"parked since recorded, 200 %", 6000, 6000, 12000, 6000, {-100, 0, 10, 10}, {},
         {74800, 0, 20, 10}},
        {"recorded parked, shown now", 6000, 6000, 9000, 6000, {-74000, 0, 10, 10}, 5,
         {1500, 0, 15, 10}},
        {"1234.6 records as 1235: 99 %", 1234.6, 6000, 1234.6, 6000, {1000, 0, 2000, 10}, {},
         {990, 0, 1980, 10}},
        {"recorded inner width 0 keeps the record", 0, 6000, 5000, 6000, {1000, 0, 2000, 10}, {},
         {1000, 0, 2000, 10}},
        {"product beyond 32 bits gives 0", 6000, 6000, 9000, 6000, {2e7, 0, 2000, 10}, {},
         {0, 0, 3000, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeForm form;
        form.properties["ScaleWidth"] = c.recordedWidth;
        form.properties["ScaleHeight"] = c.recordedHeight;
        auto menu = FakeControl::make({{"Name", text("FileMenu")}});
        auto moved = control(c.recorded[0], c.recorded[1], c.recorded[2], c.recorded[3]);
        form.add({menu, moved});
        LayoutScaler scaler;
        scaler.ResizeForm(form);

        if (c.leftNow) moved->properties["Left"] = *c.leftNow;
        form.properties["ScaleWidth"] = c.width;
        form.properties["ScaleHeight"] = c.height;
        scaler.ResizeForm(form);
        EXPECT_EQ(place(*moved), c.expected);
        EXPECT_FALSE(scaler.Resizing());
    }
}

TEST(LayoutScaler, EveryPassScalesFromTheRecord) {
    FakeForm form;
    auto moved = control(1001, 7, 333, 5);
    form.add({moved});
    LayoutScaler scaler;
    scaler.ResizeForm(form);
    form.properties["ScaleWidth"] = 9000.0;
    scaler.ResizeForm(form);
    EXPECT_EQ(place(*moved), (std::vector<double>{1501, 7, 499, 5}));
    form.properties["ScaleWidth"] = 6000.0;
    scaler.ResizeForm(form);
    EXPECT_EQ(place(*moved), (std::vector<double>{1001, 7, 333, 5}));
}

TEST(LayoutScaler, LinesGetTheirEndPointsWrittenInOrder) {
    FakeForm form;
    auto line = FakeControl::make(
        {{"Name", text("Line1")}, {"X1", 100.0}, {"Y1", 200.0}, {"X2", 4000.0}, {"Y2", 200.0}},
        true);
    form.add({line});
    LayoutScaler scaler;
    scaler.ResizeForm(form);
    line->log.clear();
    form.properties["ScaleWidth"] = 9000.0;
    form.properties["ScaleHeight"] = 7200.0;
    scaler.ResizeForm(form);
    EXPECT_EQ(line->log, (std::vector<std::string>{"X1=150", "Y1=240", "X2=6000", "Y2=240"}));
}

TEST(LayoutScaler, ARefusedSizeStillGivesThePlace) {
    const struct {
        std::size_t accepted;
        std::vector<double> expected;
    } cases[] = {{3, {2000, 2000, 2000, 1000}}, {2, {2000, 2000, 1000, 1000}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.accepted);
        FakeForm form;
        auto moved = control(1000, 1000, 1000, 1000);
        moved->acceptedMoves = {c.accepted};
        form.add({moved});
        LayoutScaler scaler;
        scaler.ResizeForm(form);
        moved->log.clear();
        form.properties["ScaleWidth"] = 12000.0;
        form.properties["ScaleHeight"] = 12000.0;
        scaler.ResizeForm(form);
        EXPECT_EQ(place(*moved), c.expected);
        EXPECT_EQ(moved->log, (std::vector<std::string>{"Move 4", "Move 3", "Move 2"}));
    }
}

TEST(LayoutScaler, ControlsWithoutARecordAreLeftAlone) {
    // The nameless control stops the registration, so the one after it gets no record either.
    FakeForm form;
    auto first = control(1000, 0, 10, 10);
    auto nameless = FakeControl::make({{"Left", 5.0}});
    auto after = FakeControl::make({{"Name", text("Command2")}, {"Left", 7.0}});
    form.add({first, nameless, after});
    LayoutScaler scaler;
    scaler.ResizeForm(form);

    auto born = FakeControl::make({{"Name", text("Command3")}, {"Left", 9.0}});
    form.add({born});
    form.properties["ScaleWidth"] = 9000.0;
    scaler.ResizeForm(form);
    EXPECT_EQ(first->number("Left"), 1500);
    for (const auto& alone : {nameless, after, born}) EXPECT_TRUE(alone->log.empty());
}

TEST(LayoutScaler, ANestedPassIsRefused) {
    FakeForm outer, other;
    other.properties["Name"] = text("Form2");
    auto otherControl = control(1, 1, 1, 1);
    other.add({otherControl});
    auto moved = control(1, 1, 1, 1);
    LayoutScaler scaler;
    bool resizingSeen = false;
    moved->onMove = [&] {
        resizingSeen = scaler.Resizing();
        scaler.ResizeForm(other);
    };
    outer.add({moved});
    scaler.ResizeForm(outer);
    EXPECT_TRUE(resizingSeen);
    EXPECT_FALSE(scaler.Resizing());
    EXPECT_TRUE(other.log.empty());
    EXPECT_TRUE(otherControl->log.empty());
    EXPECT_EQ(scaler.registry().FormCount(), 1);
}

TEST(LayoutScaler, AFormFarDownIsLeftAsItIs) {
    const struct {
        double top;
        bool skipped;
    } cases[] = {{30000, true}, {45000, true}, {29999.5, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.top);
        FakeForm form;
        form.properties["Top"] = c.top;
        auto moved = control(1, 1, 1, 1);
        form.add({moved});
        LayoutScaler scaler;
        scaler.ResizeForm(form);
        EXPECT_FALSE(scaler.Resizing());
        EXPECT_EQ(scaler.registry().FormCount(), c.skipped ? 0 : 1);
        if (c.skipped) {
            EXPECT_EQ(form.log, (std::vector<std::string>{"Name", "Top"}));
            EXPECT_TRUE(moved->log.empty());
        } else {
            // No MDIChild property: read as false, so the visibility is given back.
            EXPECT_EQ(writes(form.log), std::vector<std::string>{"Visible=1"});
        }
    }
}

TEST(LayoutScaler, ANewChildWindowIsFittedRegisteredAndGivenItsSizeBack) {
    FakeForm form;
    form.properties["MDIChild"] = true;
    form.properties["Height"] = 4000.0;
    form.properties["Width"] = 6000.0;
    form.properties["ScaleHeight"] = 3600.0;
    form.properties["ScaleWidth"] = 5900.0;
    form.innerFollowsOuter = true;
    // Reaching 5000 to the right and, with the line, 3000 down.
    auto button = control(1000, 200, 4000, 800);
    auto line = FakeControl::make(
        {{"Name", text("Line1")}, {"X1", 0.0}, {"Y1", 0.0}, {"X2", 100.0}, {"Y2", 3000.0}}, true);
    form.add({button, line});
    LayoutScaler scaler;
    scaler.ResizeForm(form);

    EXPECT_EQ(writes(form.log),
              (std::vector<std::string>{"Height=3500", "Width=5200", "Height=4000", "Width=6000"}));
    EXPECT_EQ(scaler.registry().FormRecords()[0].ScaleWidth, 5100);
    EXPECT_EQ(scaler.registry().FormRecords()[0].ScaleHeight, 3100);
    // 5900 / 5100 gives 115 %, 3600 / 3100 gives 116 %.
    EXPECT_EQ(place(*button), (std::vector<double>{1150, 232, 4600, 928}));
    EXPECT_EQ(line->number("X2"), 115);
    EXPECT_EQ(line->number("Y2"), 3480);

    form.log.clear();
    scaler.ResizeForm(form);
    EXPECT_TRUE(writes(form.log).empty());
    EXPECT_EQ(place(*button), (std::vector<double>{1150, 232, 4600, 928}));
}

TEST(LayoutScaler, AFailureEndsThePassAndLeavesResizingSet) {
    const struct {
        const char* what;
        std::function<void(FakeForm&)> spoil;
    } cases[] = {
        {"name unreadable", [](FakeForm& f) { f.properties.erase("Name"); }},
        {"top unreadable", [](FakeForm& f) { f.properties.erase("Top"); }},
        {"visibility unreadable", [](FakeForm& f) { f.properties.erase("Visible"); }},
        {"controls not listed", [](FakeForm& f) { f.listFails = true; }},
        {"visibility refused", [](FakeForm& f) { f.refusedWrites = {"Visible"}; }},
        {"fitted size refused",
         [](FakeForm& f) {
             f.properties["MDIChild"] = true;
             f.refusedWrites = {"Width"};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeForm form;
        c.spoil(form);
        LayoutScaler scaler;
        EXPECT_THROW(scaler.ResizeForm(form), LayoutFailure);
        EXPECT_TRUE(scaler.Resizing());
        FakeForm later;
        scaler.ResizeForm(later);
        EXPECT_TRUE(later.log.empty());
    }
}
