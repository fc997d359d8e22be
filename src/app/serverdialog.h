#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

// 打开服务器数据库: asks for the host, port, database and user of a
// PostgreSQL server database and gives its URL. A password is never asked
// here: the server says whether it wants one when the database is opened.
class TFRM_ServerDatabase : public QDialog
{
    Q_OBJECT

public:
    // The fields start from location (a server URL, such as the one opened
    // last); anything else gives the local server's defaults.
    explicit TFRM_ServerDatabase(const QString &location, QWidget *parent = nullptr);

    // The URL the fields name, without a password.
    QString location() const;

private:
    void updateOkButton();

    QLineEdit *m_host = nullptr;
    QSpinBox *m_port = nullptr;
    QLineEdit *m_database = nullptr;
    QLineEdit *m_user = nullptr;
    QPushButton *m_ok = nullptr;
};
