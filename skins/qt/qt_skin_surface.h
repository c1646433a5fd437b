// The main window's client area with a background of its own that skins are painted on.
#pragma once

#include <QImage>
#include <QWidget>

#include "skins/skin_canvas.h"

/**
 * The skins accumulate in a backing image, so a smaller skin painted over a larger one leaves the
 * larger one's edges showing, and every repaint shows the same picture under the child controls.
 */
class QtSkinSurface : public QWidget, public SkinCanvas {
    Q_OBJECT
public:
    explicit QtSkinSurface(QWidget* parent = nullptr);

    void paintSkin(const SkinPicture& picture) override;

    /** The background as it stands; as large as the widget once it has been shown or resized. */
    const QImage& background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    /** Grows the backing to the widget's size; new parts show the plain window colour. */
    void coverWidget();

    QImage m_background;
};
