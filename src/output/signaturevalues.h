#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

// The signature data that the body page's last two sections show. They are
// not taken from the page file but asked for each time the body is drawn,
// from whoever holds the report being printed (the active report window in
// the program, the stored report in hadtool).
struct SignatureValues
{
    QString Surveyor;
    QString Appraiser;
    QString ApprUnit;
    QString Assessor;
    QString AuthorizedMan;
    QDate ApprDate;
};

// Gives the signature data at drawing time; nothing when there is no report
// to take them from.
using SignatureSource = std::function<std::optional<SignatureValues>()>;
