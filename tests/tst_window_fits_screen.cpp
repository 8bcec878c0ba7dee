// The window on a small or high-density screen: the whole window, every button and its caption
// lie within the screen's available area. CTest runs this on each screen tests/CMakeLists.txt
// names (1366 x 768 at 192 dpi, the same with QT_FONT_DPI=192, and QT_SCALE_FACTOR=2 on
// 1600 x 1000).

#include "main_window/status_line.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QScreen>

class TestWindowFitsScreen : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void theWholeWindowIsOnItsScreen_data()
    {
        QTest::addColumn<int>("statusAction");
        QTest::newRow("while a tool runs") << int(StatusLine::Action::Stop);
        QTest::newRow("after a run") << int(StatusLine::Action::ShowInFolder);
    }
    void theWholeWindowIsOnItsScreen()
    {
        QFETCH(int, statusAction);
        m_window->findChild<StatusLine *>()->setAction(StatusLine::Action(statusAction));
        const QScreen *screen = m_window->screen();
        const QRect available = screen->availableGeometry();
        qInfo("screen %dx%d logical, %.0f dpi, device pixel ratio %.1f; window %dx%d", available.width(),
            available.height(), screen->logicalDotsPerInch(), screen->devicePixelRatio(), m_window->width(),
            m_window->height());
        QTRY_VERIFY2(available.contains(m_window->frameGeometry()), "the window reaches past the screen");

        const QRect window = m_window->rect();
        for (const QPushButton *button : m_window->findChildren<QPushButton *>()) {
            if (!button->isVisible())
                continue;
            const QRect place(button->mapTo(m_window.get(), QPoint(0, 0)), button->size());
            QVERIFY2(window.contains(place), qPrintable(button->objectName()));
            const QFontMetrics metrics(button->font());
            const QSize caption = metrics.size(Qt::TextShowMnemonic, button->text());
            QVERIFY2(caption.width() < button->width() && caption.height() < button->height(),
                qPrintable(button->objectName()));
        }
        // The fields gave up width, and kept some.
        QVERIFY(
            field("txtWWSFileName")->width() >= 8 * QFontMetrics(field("txtWWSFileName")->font()).averageCharWidth());
    }
};

TALVEN_TEST_MAIN(TestWindowFitsScreen)
#include "tst_window_fits_screen.moc"
