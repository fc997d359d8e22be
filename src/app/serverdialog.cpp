#include "app/serverdialog.h"

#include "base/apperror.h"
#include "db/databaselocation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int DefaultPort = 5432;

QLineEdit *lineEdit(const QString &name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

// The location's parts, or the local server's defaults for anything that
// is no readable server URL.
DatabaseLocation startingPoint(const QString &location)
{
    try {
        if (DatabaseLocation::looksLikeServer(location))
            return DatabaseLocation::parse(location);
    } catch (const AppError &) { }
    return DatabaseLocation::parse(DatabaseLocation::serverUrl(
        QStringLiteral("localhost"), DefaultPort, QStringLiteral("appraisal"), qEnvironmentVariable("USER")));
}

} // namespace

TFRM_ServerDatabase::TFRM_ServerDatabase(const QString &location, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FRM_ServerDatabase"));
    setWindowTitle(QStringLiteral("打开服务器数据库"));
    const DatabaseLocation start = startingPoint(location);

    m_host = lineEdit(QStringLiteral("edtHost"), start.host(), this);
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("edtPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(start.port() > 0 ? start.port() : DefaultPort);
    m_database = lineEdit(QStringLiteral("edtDatabase"), start.database(), this);
    m_user = lineEdit(QStringLiteral("edtUser"), start.user(), this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("主机:"), m_host);
    form->addRow(QStringLiteral("端口:"), m_port);
    form->addRow(QStringLiteral("数据库:"), m_database);
    form->addRow(QStringLiteral("用户:"), m_user);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit *edit : { m_host, m_database })
        connect(edit, &QLineEdit::textChanged, this, &TFRM_ServerDatabase::updateOkButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    updateOkButton();
}

QString TFRM_ServerDatabase::location() const
{
    return DatabaseLocation::serverUrl(
        m_host->text().trimmed(), m_port->value(), m_database->text().trimmed(), m_user->text().trimmed());
}

// A server database needs at least its host and its name.
void TFRM_ServerDatabase::updateOkButton()
{
    m_ok->setEnabled(!m_host->text().trimmed().isEmpty() && !m_database->text().trimmed().isEmpty());
}
