#pragma once

// A fresh window over an empty settings store for each test, and its controls by name.

#include "main_window/conversion_run.h"
#include "main_window/zrn_sound_encode_decode.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>

inline void writeFile(const QString &path, const QByteArray &content = "sound")
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

// The file's bytes, or none when it cannot be read.
inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WindowFixture
{
protected:
    void openWindow()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, ZRNSoundEncodeDecode::kSettingsApplication).clear();
        m_window = std::make_unique<ZRNSoundEncodeDecode>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // A window left open by a test fails that test.
    void closeWindow()
    {
        m_window.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    QWidget *widget(const char *name) const
    {
        auto *child = m_window->findChild<QWidget *>(QLatin1String(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QLineEdit *field(const char *name) const { return qobject_cast<QLineEdit *>(widget(name)); }
    QPushButton *button(const char *name) const { return qobject_cast<QPushButton *>(widget(name)); }
    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    // Tools run while the window goes on: this waits until each one the window started has ended
    // and been reported (a message box, if any, answered).
    void waitForRuns() const { QTRY_VERIFY_WITH_TIMEOUT(m_window->findChildren<ConversionRun *>().isEmpty(), 30000); }
    void clickAndWait(const char *name) const
    {
        click(name);
        waitForRuns();
    }

    std::unique_ptr<ZRNSoundEncodeDecode> m_window;
};
