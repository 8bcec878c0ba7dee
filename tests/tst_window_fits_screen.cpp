// The window on a small or high-density screen: the whole window, every button and its caption
// lie within the screen's available area, in each language the program speaks (Chinese and
// Japanese in the fonts Debian installs for them, fonts-noto-cjk). CTest runs this on each screen
// tests/CMakeLists.txt names (1366 x 768 at 96 and at 192 dpi, the same with QT_FONT_DPI=192, and
// QT_SCALE_FACTOR=2 on 1600 x 1000).

#include "gui_helpers.h"
#include "main_window/status_line.h"
#include "platform/translations.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QScreen>

class TestWindowFitsScreen : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        // theWholeWindowIsOnItsScreen opens the window itself, in its row's language.
        if (qstrcmp(QTest::currentTestFunction(), "theWholeWindowIsOnItsScreen") != 0)
            openWindow();
    }
    void cleanup()
    {
        closeWindow();
        Platform::LoadTranslations(QLocale::c());
    }

    void theWholeWindowIsOnItsScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("statusAction");
        // The languages whose words run longest or need fonts of their own, and English.
        for (const char *language : {"C", "de", "fr", "es", "it", "pt_BR", "pl", "ru", "zh_CN", "ja", "ar", "he"}) {
            QTest::addRow("%s, while a tool runs", language) << language << int(StatusLine::Action::Stop);
            QTest::addRow("%s, after a run", language) << language << int(StatusLine::Action::ShowInFolder);
        }
    }
    void theWholeWindowIsOnItsScreen()
    {
        QFETCH(QString, language);
        QFETCH(int, statusAction);
        if (language != u"C")
            QCOMPARE(Platform::LoadTranslations(QLocale(language)).section(u'_', 0, 0), language.section(u'_', 0, 0));
        // Without a font for the script Qt draws empty boxes, which fit any button.
        const QHash<QString, QFontDatabase::WritingSystem> scripts
            = {{"zh_CN", QFontDatabase::SimplifiedChinese}, {"ja", QFontDatabase::Japanese},
                {"ar", QFontDatabase::Arabic}, {"he", QFontDatabase::Hebrew}, {"ru", QFontDatabase::Cyrillic}};
        if (scripts.contains(language)) {
            QVERIFY2(!QFontDatabase::families(scripts.value(language)).isEmpty(),
                "no font for the language's script: install fonts-noto-cjk (Chinese, Japanese), fonts-dejavu-core");
        }
        openWindow();
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
