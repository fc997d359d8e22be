#pragma once

#include "output/signaturevalues.h"

#include <QString>
#include <QStringList>

struct ReportTexts;

// The texts printed on a report's two pages, in the order of their page
// files. Both lists are built by MakeReportPageValues from a report's texts
// as the report window shows them.

// The cover's 7 values.
using CoverValues = QStringList;
inline constexpr int CoverValueCount = 7;
namespace CoverValue {
enum Index { Client, Address, Appraiser, Assessor, AuthorizedMan, ApprUnit, ApprDate };
}

// The body's 25 values.
using BodyValues = QStringList;
inline constexpr int BodyValueCount = 25;
namespace BodyValue {
enum Index {
    FileNo,
    Client,
    LinkPhone,
    TrustDate,
    Address,
    PropertyRightMan,
    BldgPurpose,
    BuildYear,
    StrucStyle,
    BuildingArea,
    PlaneShape,
    Layers,
    PropertyRightAttr,
    PropertyRightCertificate,
    Memory,
    ApprPurpose,
    ApprCircs,
    ShatterReason0,
    ApprConclusion,
    DisposalAdvi,
    ApprUnit,
    Appraiser,
    Assessor,
    AuthorizedMan,
    ApprDate,
};
}

// The value at an index of a page's values; throws AppError when the list
// is too short.
const QString &PageValueAt(const QStringList &values, int index);

struct ReportPageValues
{
    CoverValues cover;
    BodyValues body;
};

// The page values of a report: its texts by column (the report window's
// controls, unsaved edits included, or a stored row formatted the same way)
// and the building-area total as the window shows it. Dates are written
// "2005年3月7日".
ReportPageValues MakeReportPageValues(const ReportTexts &texts, const QString &areaTotal);

// The signature data of the body's last sections, from the same texts.
SignatureValues MakeSignatureValues(const ReportTexts &texts);
