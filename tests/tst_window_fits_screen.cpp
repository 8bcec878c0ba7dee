// The window on a small or high-density screen: the whole window, every button and its caption
// lie within the screen's available area. CTest runs this on each screen tests/CMakeLists.txt
// names (1366 x 768 at 192 dpi, the same with QT_FONT_DPI=192, and QT_SCALE_FACTOR=2 on
// 1600 x 1000).

#include "gui_helpers.h"
#include "main_window/status_line.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QDialogButtonBox>
#include <QFileDialog>
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

    // Qt's own file dialog, with "Files of type" and Cancel at its bottom, lies within the screen.
    void theFileDialogIsOnItsScreen_data()
    {
        QTest::addColumn<QString>("browse");
        QTest::newRow("Select WSS") << "cmdSelectWWSFileName";
        QTest::newRow("Select WAV") << "cmdSelectWAVFileName";
    }
    void theFileDialogIsOnItsScreen()
    {
        QFETCH(QString, browse);
        const QRect available = m_window->screen()->availableGeometry();
        QRect dialogPlace;
        QRect cancelPlace;
        const ModalAnswer answer = AnswerNextFileDialog(QString(), [&](QFileDialog *dialog) {
            dialogPlace = dialog->frameGeometry();
            const auto *buttons = dialog->findChild<QDialogButtonBox *>();
            if (const QPushButton *cancel = buttons ? buttons->button(QDialogButtonBox::Cancel) : nullptr)
                cancelPlace = QRect(cancel->mapToGlobal(QPoint(0, 0)), cancel->size());
        });
        click(qPrintable(browse));
        QTRY_VERIFY(answer.answered());
        qInfo("file dialog %dx%d at %d,%d on %dx%d at %d,%d", dialogPlace.width(), dialogPlace.height(),
            dialogPlace.x(), dialogPlace.y(), available.width(), available.height(), available.x(), available.y());
        QVERIFY2(available.contains(dialogPlace), "the file dialog reaches past the screen");
        QVERIFY2(available.contains(cancelPlace), "Cancel is off the screen");
    }
};

TALVEN_TEST_MAIN(TestWindowFitsScreen)
#include "tst_window_fits_screen.moc"
