// Skin Select: the program folder's pictures; choosing one paints it on the main window at once.
#pragma once

#include <QString>
#include <QWidget>

class MessageBoxes;
class ProgramLocation;
class QLabel;
class QListWidget;
class SkinCanvas;
class UrlOpener;

class Form2 : public QWidget {
    Q_OBJECT
public:
    /**
     * Lists the pictures and paints the first on canvas (the main window's background) before it
     * returns. Deletes itself when closed: every opening starts afresh.
     */
    Form2(SkinCanvas& canvas, MessageBoxes& messages, UrlOpener& urlOpener,
          const ProgramLocation& location, QWidget* parent);

    // Event procedures.
    void File1_Click();
    void Label1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();

    SkinCanvas& m_canvas;
    MessageBoxes& m_messages;
    UrlOpener& m_urlOpener;
    /** The executable's folder as the system gives it, without a separator at the end. */
    QString m_folder;

    QListWidget* m_file1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
};
