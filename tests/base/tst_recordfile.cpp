#include "base/recordfile.h"

#include <QtTest>

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void readerOfATemporaryArrayReadsItWhole();
};

namespace {

QByteArray writtenRecords()
{
    RecordFile::Writer writer;
    writer.putInt32(-7);
    writer.putText(QStringLiteral("房屋安全鉴定"));
    return writer.bytes();
}

} // namespace

// The reader may outlive the array it was given: it keeps its own.
void TestRecordFile::readerOfATemporaryArrayReadsItWhole()
{
    RecordFile::Reader reader(writtenRecords());
    QCOMPARE(reader.readInt32(), -7);
    QCOMPARE(reader.readText(), QStringLiteral("房屋安全鉴定"));
    QCOMPARE(reader.remaining(), 0);
}

QTEST_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
