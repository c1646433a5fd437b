// The main window as its logic's tests see it: the state the logic set, the previews in memory,
// the skins painted, the windows asked for.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "conversion/memory_preview.h"
#include "mainwindow/form1_view.h"
#include "tests/layout/fake_layout.h"

class FakeForm1View : public Form1View, public SkinCanvas {
public:
    /** What a cleared box shows, as the window's boxes do. */
    static constexpr std::uint32_t kBackground = 0xC0C0C0;

    FakeForm1View();

    void setEnabled(Control control, bool enabled) override { this->enabled[control] = enabled; }
    void setVisible(Control control, bool visible) override { this->visible[control] = visible; }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setChecked(Control control, bool checked) override { this->checked[control] = checked; }
    void setText(Control control, const std::string& text) override { texts[control] = text; }
    void setProgress(int value) override {
        progress.push_back(value);
        if (onProgress) onProgress(value);
    }
    PreviewSurface& preview(int index) override { return picture(index); }
    void clearPreview(int index) override;
    SkinCanvas& background() override { return *this; }
    void paintSkin(const SkinPicture& picture) override { painted.push_back(picture); }
    void repaintNow() override { ++repaints; }
    bool isOpen(Companion window) override { return onScreen.contains(window); }
    void open(Companion window) override {
        onScreen.insert(window);
        shown.push_back(std::string("open ") + name(window));
    }
    void bringForward(Companion window) override {
        shown.push_back(std::string("forward ") + name(window));
    }
    static const char* name(Companion window) {
        return window == Companion::About ? "About" : "Skin Select";
    }
    LayoutForm& layoutForm() override { return *form; }
    /** Kept until the test runs it with runBackgroundWork(), so that it sees the window meanwhile.
     */
    void runInBackground(std::function<void()> work) override;
    /** Runs at once: the background work runs on the test's thread too. */
    void postToWindow(std::function<void()> task) override { task(); }
    /** Runs the work handed over, as its thread would; false when there was none. */
    bool runBackgroundWork();

    MemoryPreview& picture(int index) { return *pictures.at(static_cast<std::size_t>(index)); }
    /** True when the box holds nothing but its background colour. */
    bool isBlank(int index);
    /** Command2 and Savefifa2000menu, which must agree. */
    bool saveEnabled();

    std::map<Control, bool> enabled;
    std::map<Control, bool> checked;
    std::map<Control, bool> visible;
    std::map<Control, std::string> texts;
    std::vector<int> progress;
    int progressMaximum = 90;
    std::function<void()> backgroundWork;
    /** Runs at every progress step: what happens while a load is under way. */
    std::function<void(int)> onProgress;
    std::array<std::unique_ptr<MemoryPreview>, ConversionHost::kPreviewCount> pictures;
    std::vector<SkinPicture> painted;
    int repaints = 0;
    /** "open WINDOW" and "forward WINDOW", in order. */
    std::vector<std::string> shown;
    /** The windows on screen; the test closes one by taking it out. */
    std::set<Companion> onScreen;
    /** A form named Form1 whose one control is Command1. */
    std::shared_ptr<FakeObject> form;
};
