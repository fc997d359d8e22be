#include "base/numbertext.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "testenv.h"
#include "widgets/numberedit.h"
#include "widgets/numericcheck.h"

#include <QtTest>

// The number fields of the dialogs: which texts count as numbers, how the
// field reads its value, what it takes from the keyboard, and the check that
// refuses a text that is not a number.
class TestNumberField : public QObject
{
    Q_OBJECT

private slots:
    void decimalNumberRule_data();
    void decimalNumberRule();
    void wholeNumberRule_data();
    void wholeNumberRule();
    void valueReadFromText_data();
    void valueReadFromText();
    void setValueKeepsToTheRange_data();
    void setValueKeepsToTheRange();
    void keyboardTakesOnlyNumberCharacters();
    void pastedTextIsHeldToTheSameCharacters();
    void arrowKeysStepWithinTheRange();
    void checkRefusesTextThatIsNoNumber_data();
    void checkRefusesTextThatIsNoNumber();
};

void TestNumberField::decimalNumberRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("number");
    const QChar dot(u'.');
    QTest::newRow("digits") << "12" << dot << true;
    QTest::newRow("minus") << "-12" << dot << true;
    QTest::newRow("plus and fraction") << "+1.5" << dot << true;
    QTest::newRow("trailing point") << "1." << dot << true;
    QTest::newRow("leading point") << ".5" << dot << true;
    QTest::newRow("exponent") << "1e5" << dot << true;
    QTest::newRow("signed exponent") << "2.5E-3" << dot << true;
    QTest::newRow("exponent with plus") << "-7e+10" << dot << true;
    QTest::newRow("sign after digits") << "12-" << dot << false;
    QTest::newRow("sign alone") << "-" << dot << false;
    QTest::newRow("plus alone") << "+" << dot << false;
    QTest::newRow("point alone") << "." << dot << false;
    QTest::newRow("sign and point") << "-." << dot << false;
    QTest::newRow("two signs") << "--1" << dot << false;
    QTest::newRow("two points") << "1.2.3" << dot << false;
    QTest::newRow("exponent without digits") << "1e" << dot << false;
    QTest::newRow("exponent sign without digits") << "1e-" << dot << false;
    QTest::newRow("exponent alone") << "e5" << dot << false;
    QTest::newRow("blank before") << " 12" << dot << false;
    QTest::newRow("blank after") << "12 " << dot << false;
    QTest::newRow("letters") << "abc" << dot << false;
    QTest::newRow("hexadecimal") << "0x1A" << dot << false;
    QTest::newRow("infinity") << "inf" << dot << false;
    QTest::newRow("full-width digits") << "１２" << dot << false;
    QTest::newRow("comma where point is the separator") << "1,5" << dot << false;
    QTest::newRow("comma as the separator") << "1,5" << QChar(u',') << true;
    QTest::newRow("point where comma is the separator") << "1.5" << QChar(u',') << false;
    QTest::newRow("empty") << "" << dot << false;
}

void TestNumberField::decimalNumberRule()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QTEST(NumberText::isDecimalNumber(text, separator), "number");
}

void TestNumberField::wholeNumberRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "12" << true << 12;
    QTest::newRow("plus") << "+3" << true << 3;
    QTest::newRow("minus") << "-7" << true << -7;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("smallest int") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("beyond int") << "2147483648" << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
    QTest::newRow("exponent") << "1e2" << false << 0;
    QTest::newRow("sign after digits") << "12-" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("blank") << " 1" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void TestNumberField::wholeNumberRule()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QFETCH(int, value);
    const std::optional<int> number = NumberText::wholeNumber(text);
    QCOMPARE(number.has_value(), whole);
    if (whole)
        QCOMPARE(*number, value);
}

void TestNumberField::valueReadFromText_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("inside") << 1 << 30 << "12" << 12;
    QTest::newRow("above the range") << 1 << 30 << "45" << 30;
    QTest::newRow("below the range") << 1 << 30 << "0" << 1;
    QTest::newRow("negative") << 1 << 30 << "-7" << 1;
    QTest::newRow("fraction reads as minimum") << 1 << 30 << "12.5" << 1;
    QTest::newRow("sign after digits") << 1 << 30 << "12-" << 1;
    QTest::newRow("empty") << 1 << 30 << "" << 1;
    QTest::newRow("beyond int") << 1 << 30 << "99999999999" << 1;
    QTest::newRow("no bounds, negative") << 0 << 0 << "-40" << -40;
    QTest::newRow("no bounds, large") << 0 << 0 << "100000" << 100000;
    QTest::newRow("no bounds, not whole") << 0 << 0 << "4." << 0;
}

void TestNumberField::valueReadFromText()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, text);
    NumberEdit field;
    field.setRange(minimum, maximum);
    field.setText(text);
    QCOMPARE(field.text(), text); // the text stands as it is
    QTEST(field.value(), "value");
}

void TestNumberField::setValueKeepsToTheRange_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("inside") << 7 << "7";
    QTest::newRow("lower bound") << 1 << "1";
    QTest::newRow("upper bound") << 30 << "30";
    QTest::newRow("above") << 45 << "30";
    QTest::newRow("below") << 0 << "1";
    QTest::newRow("far below") << std::numeric_limits<int>::min() << "1";
}

void TestNumberField::setValueKeepsToTheRange()
{
    QFETCH(int, value);
    NumberEdit field;
    field.setRange(1, 30);
    field.setValue(value);
    QTEST(field.text(), "text");
}

void TestNumberField::keyboardTakesOnlyNumberCharacters()
{
    NumberEdit field;
    field.setRange(1, 30);
    field.setText(QString());
    QTest::keyClicks(&field, "1a2 b+-.,x");
    QCOMPARE(field.text(), QStringLiteral("12+-."));
    QVERIFY(NumberEdit::acceptsCharacter(NumberText::decimalPoint()));
}

void TestNumberField::pastedTextIsHeldToTheSameCharacters()
{
    NumberEdit field;
    QString accepted = "-1.5+";
    QString refused = "15 min";
    int pos = 0;
    QCOMPARE(field.validate(accepted, pos), QValidator::Acceptable);
    QCOMPARE(field.validate(refused, pos), QValidator::Invalid);
}

void TestNumberField::arrowKeysStepWithinTheRange()
{
    NumberEdit field;
    field.setRange(1, 30);
    field.setValue(29);
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.text(), QStringLiteral("30"));
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.text(), QStringLiteral("30"));
    field.setText(QStringLiteral("abc"));
    QTest::keyClick(&field, Qt::Key_Up); // "abc" reads as the minimum
    QCOMPARE(field.text(), QStringLiteral("2"));
}

void TestNumberField::checkRefusesTextThatIsNoNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: passes silently
    QTest::addColumn<QString>("result");
    QTest::newRow("sign after digits") << "12-" << "\"12-\" 不是正确的数字格式!" << "12";
    QTest::newRow("letters") << "abc" << "\"abc\" 不是正确的数字格式!" << "12";
    QTest::newRow("empty passes") << "" << "" << "";
    QTest::newRow("sign alone") << "-" << "\"-\" 不是正确的数字格式!" << "12";
    QTest::newRow("fraction passes") << "1.5" << "" << "1.5";
    QTest::newRow("exponent passes") << "3e1" << "" << "3e1";
}

void TestNumberField::checkRefusesTextThatIsNoNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    TestAppDir dir;
    NumberEdit field;
    field.setRange(1, 30);
    field.setText(text);
    CheckNumericText(&field, QStringLiteral("12"));
    QTEST(field.text(), "result");
    if (message.isEmpty()) {
        QVERIFY(Prompt::shown().isEmpty());
        return;
    }
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &shown = Prompt::shown().first();
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, PromptIcon::Error);
    QCOMPARE(shown.caption, AppTitle);
}

QTEST_MAIN(TestNumberField)
#include "tst_numberfield.moc"
