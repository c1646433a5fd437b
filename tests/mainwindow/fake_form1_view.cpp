// The main window's scripted view.
#include "tests/mainwindow/fake_form1_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "conversion/preview_boxes.h"
#include "platform/common/twips.h"

FakeForm1View::FakeForm1View() : form(FakeObject::form()) {
    for (int i = 0; i < ConversionHost::kPreviewCount; ++i) clearPreview(i);
    form->list = {std::make_shared<FakeObject>(Properties{{"Name", std::string("Command1")},
                                                          {"Left", 120.0},
                                                          {"Top", 2400.0},
                                                          {"Width", 1935.0},
                                                          {"Height", 375.0}})};
}

void FakeForm1View::clearPreview(int index) {
    // The size of the window's box, so that what falls off the box falls off here too.
    const PreviewBoxes::Box& box = PreviewBoxes::kTwips.at(static_cast<std::size_t>(index));
    pictures.at(static_cast<std::size_t>(index)) = std::make_unique<MemoryPreview>(
        Twips::toPixels(box.width), Twips::toPixels(box.height), kBackground);
}

bool FakeForm1View::isBlank(int index) {
    const auto& pixels = picture(index).pixels();
    return std::all_of(pixels.begin(), pixels.end(),
                       [](std::uint32_t pixel) { return pixel == kBackground; });
}

bool FakeForm1View::saveEnabled() {
    const bool button = enabled[Control::Command2];
    EXPECT_EQ(enabled[Control::Savefifa2000menu], button) << "Save button and menu entry differ";
    return button;
}

void FakeForm1View::runInBackground(std::function<void()> work) {
    EXPECT_FALSE(backgroundWork) << "a second work while one waits";
    backgroundWork = std::move(work);
}

bool FakeForm1View::runBackgroundWork() {
    if (!backgroundWork) return false;
    std::function<void()> work = std::move(backgroundWork);
    backgroundWork = nullptr;
    work();
    return true;
}
