// What the About window's logic asks of its window.
#pragma once

class FrmAboutView {
public:
    virtual ~FrmAboutView() = default;
    /** Unloads the window: it closes and is destroyed. */
    virtual void unload() = 0;
};
