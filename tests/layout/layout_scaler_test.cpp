// Proportional re-layout over scripted forms: percentages, parking, lines, moves, child windows,
// refused nested passes and the failures that end a pass.
#include "layout/layout_scaler.h"

#include <gtest/gtest.h>

#include <optional>

#include "layout/layout_failure.h"
#include "tests/layout/fake_layout.h"

namespace {
using Numbers = std::vector<double>;

std::shared_ptr<FakeObject> control(const Numbers& place, const char* name = "Command1") {
    return std::make_shared<FakeObject>(Properties{{"Name", std::string(name)},
                                                   {"Left", place[0]},
                                                   {"Top", place[1]},
                                                   {"Width", place[2]},
                                                   {"Height", place[3]}});
}

Numbers place(const FakeObject& c) {
    return {c.number("Left"), c.number("Top"), c.number("Width"), c.number("Height")};
}

void setInside(FakeObject& form, double width, double height) {
    form.properties["ScaleWidth"] = width;
    form.properties["ScaleHeight"] = height;
}
}  // namespace

TEST(LayoutScaler, ScalesTheRecordByTheInnerSizeNow) {
    // The first pass records at the first inner size; each later one scales to the next.
    const struct {
        const char* what;
        std::vector<std::pair<double, double>> insides;
        Numbers recorded;
        std::optional<double> leftNow;  // where the control stands before the last pass
        Numbers expected;
    } cases[] = {
        {"149 %", {{6000, 6000}, {8999, 6000}}, {1000, 500, 2000, 300}, {}, {1490, 500, 2980, 300}},
        {"133 %, toward zero",
         {{6000, 6000}, {9000, 7980}},
         {1000, -150, 2000, 300},
         {},
         {1500, -199, 3000, 399}},
        {"back to the record",
         {{6000, 6000}, {9000, 6000}, {6000, 6000}},
         {1001, 7, 333, 5},
         {},
         {1001, 7, 333, 5}},
        {"parked now", {{6000, 6000}, {9000, 6000}}, {1000, 0, 10, 10}, -5, {-73500, 0, 15, 10}},
        {"at exactly 0 now: not parked",
         {{6000, 6000}, {9000, 6000}},
         {1000, 0, 10, 10},
         0,
         {1500, 0, 15, 10}},
        {"parked all along",
         {{6000, 6000}, {6000, 6000}},
         {-100, 0, 10, 10},
         {},
         {-100, 0, 10, 10}},
        {"parked all along, 200 %",
         {{6000, 6000}, {12000, 6000}},
         {-100, 0, 10, 10},
         {},
         {74800, 0, 20, 10}},
        {"recorded parked, shown now",
         {{6000, 6000}, {9000, 6000}},
         {-74000, 0, 10, 10},
         5,
         {1500, 0, 15, 10}},
        {"1234.6 recorded as 1235: 99 % at once",
         {{1234.6, 6000}},
         {1000, 0, 2000, 10},
         {},
         {990, 0, 1980, 10}},
        {"recorded inner width 0 keeps the record",
         {{0, 6000}, {5000, 6000}},
         {1000, 0, 2000, 10},
         {},
         {1000, 0, 2000, 10}},
        {"product beyond 32 bits gives 0",
         {{6000, 6000}, {9000, 6000}},
         {2e7, 0, 2000, 10},
         {},
         {0, 0, 3000, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto form = FakeObject::form();
        auto moved = control(c.recorded);
        form->list = {std::make_shared<FakeObject>(Properties{{"Name", std::string("FileMenu")}}),
                      moved};
        LayoutScaler scaler;
        for (std::size_t pass = 0; pass < c.insides.size(); ++pass) {
            if (c.leftNow && pass + 1 == c.insides.size()) moved->properties["Left"] = *c.leftNow;
            setInside(*form, c.insides[pass].first, c.insides[pass].second);
            scaler.ResizeForm(*form);
        }
        EXPECT_EQ(place(*moved), c.expected);
        EXPECT_FALSE(scaler.Resizing());
    }
}

TEST(LayoutScaler, LinesGetEndPointsAndOtherControlsThreeMoves) {
    auto form = FakeObject::form();
    auto line = std::make_shared<FakeObject>(Properties{{"Name", std::string("Line1")},
                                                        {"X1", 100.0},
                                                        {"Y1", 200.0},
                                                        {"X2", 4000.0},
                                                        {"Y2", 200.0}},
                                             true);
    auto sizeless = control({1000, 1000, 1000, 1000}, "Label1");
    sizeless->acceptedMoves = {3};
    auto placeOnly = control({1000, 1000, 1000, 1000}, "Label2");
    placeOnly->acceptedMoves = {2};
    form->list = {line, sizeless, placeOnly};
    LayoutScaler scaler;
    scaler.ResizeForm(*form);
    line->log.clear();
    placeOnly->log.clear();

    setInside(*form, 9000, 7200);
    scaler.ResizeForm(*form);
    EXPECT_EQ(line->writes(), (std::vector<std::string>{"X1=150", "Y1=240", "X2=6000", "Y2=240"}));
    EXPECT_EQ(place(*sizeless), (Numbers{1500, 1200, 1500, 1000}));
    EXPECT_EQ(place(*placeOnly), (Numbers{1500, 1200, 1000, 1000}));
    EXPECT_EQ(placeOnly->writes(), (std::vector<std::string>{"Move=4", "Move=3", "Move=2"}));
}

TEST(LayoutScaler, ControlsWithoutARecordAreLeftAlone) {
    // The nameless control stops the registration, so the one after it gets no record either.
    auto form = FakeObject::form();
    auto first = control({1000, 0, 10, 10});
    auto nameless = std::make_shared<FakeObject>(Properties{{"Left", 5.0}});
    auto after = control({7, 0, 10, 10}, "Command2");
    form->list = {first, nameless, after};
    LayoutScaler scaler;
    scaler.ResizeForm(*form);
    auto born = control({9, 0, 10, 10}, "Command3");
    form->list.push_back(born);
    setInside(*form, 9000, 6000);
    scaler.ResizeForm(*form);
    EXPECT_EQ(first->number("Left"), 1500);
    for (const auto& alone : {nameless, after, born}) EXPECT_TRUE(alone->writes().empty());
}

TEST(LayoutScaler, RefusesNestedPassesAndFormsFarDown) {
    LayoutScaler scaler;
    auto other = FakeObject::form();
    auto nesting = control({1, 1, 1, 1});
    bool resizingSeen = false;
    nesting->onMove = [&] {
        resizingSeen = scaler.Resizing();
        scaler.ResizeForm(*other);
    };
    auto form = FakeObject::form();
    form->list = {nesting};
    scaler.ResizeForm(*form);
    EXPECT_TRUE(resizingSeen);
    EXPECT_TRUE(other->log.empty());
    // No MDIChild property: it reads as false, so the visibility is given back.
    EXPECT_EQ(form->writes(), std::vector<std::string>{"Visible=1"});

    for (double top : {30000.0, 45000.0}) {
        auto far = FakeObject::form();
        far->properties["Name"] = std::string("Form2");
        far->properties["Top"] = top;
        scaler.ResizeForm(*far);
        EXPECT_EQ(far->log, (std::vector<std::string>{"Name", "Top"}));
    }
    EXPECT_EQ(scaler.registry().FormCount(), 1);
    EXPECT_FALSE(scaler.Resizing());
}

TEST(LayoutScaler, ANewChildWindowIsFittedRegisteredAndGivenItsSizeBack) {
    auto form = FakeObject::form();
    form->properties["MDIChild"] = true;
    form->properties["Height"] = 4000.0;
    form->properties["Width"] = 6000.0;
    setInside(*form, 5900, 3600);
    form->innerFollowsOuter = true;
    // Reaching 5000 to the right and, with the line, 3000 down.
    auto button = control({1000, 200, 4000, 800});
    auto line = std::make_shared<FakeObject>(Properties{{"Name", std::string("Line1")},
                                                        {"X1", 0.0},
                                                        {"Y1", 0.0},
                                                        {"X2", 100.0},
                                                        {"Y2", 3000.0}},
                                             true);
    form->list = {button, line};
    LayoutScaler scaler;
    scaler.ResizeForm(*form);

    EXPECT_EQ(form->writes(),
              (std::vector<std::string>{"Height=3500", "Width=5200", "Height=4000", "Width=6000"}));
    EXPECT_EQ(scaler.registry().FormRecords()[0].ScaleWidth, 5100);
    // 5900 / 5100 gives 115 %, 3600 / 3100 gives 116 %.
    EXPECT_EQ(place(*button), (Numbers{1150, 232, 4600, 928}));
    EXPECT_EQ(line->number("Y2"), 3480);

    form->log.clear();
    scaler.ResizeForm(*form);  // known now: no fitting
    EXPECT_TRUE(form->writes().empty());
    EXPECT_EQ(place(*button), (Numbers{1150, 232, 4600, 928}));
}

TEST(LayoutScaler, AFailureEndsThePassAndLeavesResizingSet) {
    const std::function<void(FakeObject&)> spoilers[] = {
        [](FakeObject& f) { f.properties.erase("Name"); },
        [](FakeObject& f) { f.properties.erase("Top"); },
        [](FakeObject& f) { f.properties.erase("Visible"); },
        [](FakeObject& f) { f.listFails = true; },
        [](FakeObject& f) { f.refusedWrites = {"Visible"}; },
        [](FakeObject& f) {
            f.properties["MDIChild"] = true;
            f.refusedWrites = {"Width"};  // the fitted size
        },
    };
    for (const auto& spoil : spoilers) {
        auto form = FakeObject::form();
        spoil(*form);
        LayoutScaler scaler;
        EXPECT_THROW(scaler.ResizeForm(*form), LayoutFailure);
        EXPECT_TRUE(scaler.Resizing());
        auto later = FakeObject::form();
        scaler.ResizeForm(*later);
        EXPECT_TRUE(later->log.empty());
    }
}
