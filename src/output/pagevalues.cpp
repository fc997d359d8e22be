#include "output/pagevalues.h"

#include "base/apperror.h"
#include "db/reportfields.h"

const QString &PageValueAt(const QStringList &values, int index)
{
    if (index < 0 || index >= values.size())
        throw AppError(QStringLiteral("页面数据缺少第 %1 项。").arg(index + 1));
    return values.at(index);
}

ReportPageValues MakeReportPageValues(const ReportTexts &texts, const QString &areaTotal)
{
    const auto text = [&](const char *column) { return texts.text(QLatin1String(column)); };
    ReportPageValues values;
    values.cover = {
        text("Client"),
        text("Address"),
        text("Appraiser"),
        text("Assessor"),
        text("AuthorizedMan"),
        text("ApprUnit"),
        chineseDate(texts.apprDate),
    };
    values.body = {
        text("FileNo"),
        text("Client"),
        text("LinkPhone"),
        chineseDate(texts.trustDate),
        text("Address"),
        text("PropertyRightMan"),
        text("BldgPurpose"),
        text("BuildYear"),
        text("StrucStyle"),
        areaTotal,
        text("PlaneShape"),
        text("Layers"),
        text("PropertyRightAttr"),
        text("PropertyRightCertificate"),
        text("Memory"),
        text("ApprPurpose"),
        text("ApprCircs"),
        text("ShatterReason0"),
        text("ApprConclusion"),
        text("DisposalAdvi"),
        text("ApprUnit"),
        text("Appraiser"),
        text("Assessor"),
        text("AuthorizedMan"),
        chineseDate(texts.apprDate),
    };
    return values;
}

SignatureValues MakeSignatureValues(const ReportTexts &texts)
{
    return {
        texts.text(QStringLiteral("Surveyor")),
        texts.text(QStringLiteral("Appraiser")),
        texts.text(QStringLiteral("ApprUnit")),
        texts.text(QStringLiteral("Assessor")),
        texts.text(QStringLiteral("AuthorizedMan")),
        texts.apprDate,
    };
}
