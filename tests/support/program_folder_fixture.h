// A temporary program folder with a work file and a palette of our own, and the window's fakes.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "fake_services.h"
#include "form1.h"
#include "palette_color.h"

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;

    /** The shipped work-file template and palette file. */
    static QByteArray templateBytes();
    static QByteArray paletteBytes();
    /** A FIFA 99 kit with all five pictures: stripes of 8 x 16 pixels in six colours. */
    static QByteArray jerseyBytes();
    /** Its six colours, taken from the palette file's lower slots. */
    static Palette jerseyPalette();

    /** A path as the windows' services take it: in the system's encoding. */
    static std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

    QString path(const QString& name) const;
    QString path(const char* name) const { return path(QString::fromUtf8(name)); }
    QByteArray read(const QString& filePath) const;
    void write(const QString& filePath, const QByteArray& bytes) const;
    /** Writes jerseyBytes() (or other bytes) under name and returns its path. */
    QString putJersey(const char* name, const QByteArray& bytes = jerseyBytes()) const;

    /** The window, started on the folder; the start-up may have ended it. */
    std::unique_ptr<Form1> startWindow();
    /** Starts the window and loads a jersey through the button; expects no message. */
    std::unique_ptr<Form1> startAndLoad(const QString& jerseyPath);

    /** The work file that a conversion outside the window makes from jersey in this mode. */
    QByteArray referenceConversion(const QString& jerseyPath, std::int16_t paletteBase) const;

    QTemporaryDir m_dir;
    FakeServices m_fake;
};
