// What assistive technology gets: the window as a window named by its title with its controls in
// reading order, and a message's whole text. (tests/session/ checks the same over AT-SPI.)

#include "gui_helpers.h"
#include "main_window/status_line.h"
#include "platform/accessible_window.h"
#include "platform/message_box.h"
#include "platform/reading_order.h"
#include "test_main.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTextEdit>

namespace {

QStringList childNames(QAccessibleInterface *parent)
{
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        names << child->text(QAccessible::Name);
        if (parent->indexOfChild(child) != i)
            names << QStringLiteral("(indexOfChild disagrees)");
    }
    return names;
}

} // namespace

class TestAccessibility : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { Platform::InstallAccessibleWindows(); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void readingOrder_data()
    {
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QList<int>>("order");
        const QRect a(0, 0, 50, 20), b(60, 0, 50, 20), c(0, 30, 50, 20), d(60, 30, 50, 20);
        QTest::newRow("none") << QList<QRect>{} << false << QList<int>{};
        QTest::newRow("two rows made backwards") << QList<QRect>{d, c, b, a} << false << QList<int>{3, 2, 1, 0};
        QTest::newRow("right to left") << QList<QRect>{a, b, c, d} << true << QList<int>{1, 0, 3, 2};
        // A taller control centred on the same line, and one a little higher, share the row.
        QTest::newRow("one line, mixed heights")
            << QList<QRect>{QRect(60, 26, 50, 28), QRect(0, 32, 50, 16), a} << false << QList<int>{2, 1, 0};
        QTest::newRow("not shown come last") << QList<QRect>{QRect(), c, QRect(), a} << false << QList<int>{3, 1, 0, 2};
    }
    void readingOrder()
    {
        QFETCH(QList<QRect>, rects);
        QFETCH(bool, rightToLeft);
        QFETCH(QList<int>, order);
        QCOMPARE(Platform::ReadingOrder(rects, rightToLeft ? Qt::RightToLeft : Qt::LeftToRight), order);
    }

    // The status line's controls, in a plain container of their own, read in order too.
    void theWindowIsAWindowReadRowByRow()
    {
        auto *statusLine = m_window->findChild<StatusLine *>();
        statusLine->setText(QStringLiteral("Encoding 3 of 5: take3.wav"));
        statusLine->setProgress(2, 5);
        statusLine->setAction(StatusLine::Action::Stop);
        QTRY_VERIFY(widget("cmdStop")->isVisible());

        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("TALVEN Sound Decoder / Encoder"));
        QCOMPARE(childNames(window),
            QStringList({"WSS file", "Select WSS", "Decode", "WAV file", "Select WAV", "Encode", "", ""}));
        // On Linux a combo box's name is its current item; its label names it through a relation.
        QCOMPARE(childNames(window->child(6)), QStringList({"Output folder:", "Beside each file"}));
        QCOMPARE(
            childNames(window->child(7)).mid(0, 3), QStringList({"Encoding 3 of 5: take3.wav", "Progress", "Stop"}));
    }

    // As with a plain message box: the alert's description is the whole message, and the text
    // view that shows it is named and comes before the buttons.
    void aMessageGivesItsWholeTextToAssistiveTechnology()
    {
        const QString text = QStringLiteral("Could not decode tone.wss.\n\nWSSdec.exe: block 3 is damaged");
        QString description, viewName;
        bool viewShownBeforeTheButtons = false;
        ModalAnswer answer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return false;
            QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
            QAccessibleInterface *view = QAccessible::queryAccessibleInterface(box->findChild<QTextEdit *>());
            QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(box->button(QMessageBox::Ok));
            if (alert->role() == QAccessible::AlertMessage)
                description = alert->text(QAccessible::Description);
            viewName = view->text(QAccessible::Name);
            viewShownBeforeTheButtons
                = !view->state().invisible && alert->indexOfChild(view) < alert->indexOfChild(ok->parent());
            box->accept();
            return true;
        });
        Platform::ShowMessage(m_window.get(), text);
        QVERIFY(answer.answered());
        QCOMPARE(description, text);
        QCOMPARE(viewName, QStringLiteral("Message"));
        QVERIFY(viewShownBeforeTheButtons);
    }
};

TALVEN_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
