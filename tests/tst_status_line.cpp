// Placeholder
#include "test_main.h"
class TestStatusLine : public QObject
{
    Q_OBJECT
};
TALVEN_TEST_MAIN(TestStatusLine)
#include "tst_status_line.moc"
