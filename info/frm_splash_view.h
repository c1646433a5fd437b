// What the splash window's logic asks of its window.
#pragma once

class FrmSplashView {
public:
    virtual ~FrmSplashView() = default;
    /** Unloads the window: it disappears at once and is destroyed. */
    virtual void unload() = 0;
};
