#include "db/reportfields.h"

#include "base/numbertext.h"
#include "db/dataset.h"

#include <cmath>

namespace ReportFields {

const QList<Binding> &bindings()
{
    static const QList<Binding> table = {
        { "FileNo", "labedtFileNo", "", Kind::Text, 20 },
        { "Client", "labedtClient1", "labedtClient2", Kind::Text, 40 },
        { "TrustDate", "dtpickTrustDate1", "labedtTrustDate2", Kind::Date, 0 },
        { "LinkMan", "labedtLinkMan", "", Kind::Text, 10 },
        { "LinkPhone", "labedtLinkPhone1", "labedtLinkPhone2", Kind::Text, 20 },
        { "Address", "labedtAddress1", "labedtAddress2", Kind::Text, 60 },
        { "PropertyRightMan", "labedtPropertyRightMan1", "labedtPropertyRightMan2", Kind::Text, 60 },
        { "PropertyRightCertificate", "labedtPropertyRightCertificate1", "labedtPropertyRightCertificate2",
            Kind::Text, 30 },
        { "ApprPurpose", "labedtApprPurpose1", "labedtApprPurpose2", Kind::Text, 40 },
        { "BldgPurpose", "cbbBldgPurpose", "", Kind::Choice, 20 },
        { "BuildYear", "labedtBuildYear", "", Kind::Text, 12 },
        { "StrucStyle", "cbbStrucStyle", "", Kind::Choice, 20 },
        { "BuildAreaHowff", "labedtBuildAreaHowff", "", Kind::Area, 0 },
        { "BuildAreaTrade", "labedtBuildAreaTrade", "", Kind::Area, 0 },
        { "BuildAreaGarage", "labedtBuildAreaGarage", "", Kind::Area, 0 },
        { "BuildAreaFactory", "labedtBuildAreaFactory", "", Kind::Area, 0 },
        { "BuildAreaOther", "labedtBuildAreaOther", "", Kind::Area, 0 },
        { "PlaneShape", "cbbPlaneShape", "", Kind::Choice, 20 },
        { "Layers", "labedtLayers", "", Kind::Text, 10 },
        { "PropertyRightAttr", "cbbPropertyRightAttr", "", Kind::Choice, 10 },
        { "Memory", "labedtMemory", "", Kind::Text, 60 },
        { "ApprCircs", "memApprCircs", "", Kind::Memo, 0 },
        { "ShatterReason0", "memShatterReason", "", Kind::Memo, 0 },
        { "ApprConclusion", "memApprConclusion", "", Kind::Memo, 0 },
        { "DisposalAdvi", "memDisposalAdvi", "", Kind::Memo, 0 },
        { "Surveyor", "labedtAppraiser1", "", Kind::Text, 20 },
        { "Appraiser", "labedtAppraiser", "", Kind::Text, 20 },
        { "Assessor", "labedtAssessor", "", Kind::Text, 20 },
        { "AuthorizedMan", "labedtAuthorizedMan", "", Kind::Text, 20 },
        { "ApprUnit", "labedtApprUnit", "", Kind::Text, 20 },
        { "ApprDate", "dtpickApprDate", "", Kind::Date, 0 },
    };
    return table;
}

const Binding *find(const QString &column)
{
    for (const Binding &b : bindings())
        if (b.column == column)
            return &b;
    return nullptr;
}

const QStringList &areaColumns()
{
    static const QStringList columns
        = { "BuildAreaHowff", "BuildAreaTrade", "BuildAreaGarage", "BuildAreaFactory", "BuildAreaOther" };
    return columns;
}

QStringList choices(const QString &control)
{
    static const QHash<QString, QStringList> lists = {
        { "cbbBldgPurpose",
            { "住宅", "商业铺面", "停车场", "车间", "厂房", "教学楼", "学生宿舍", "试验室" } },
        { "cbbStrucStyle",
            { "砖木结构", "混合结构", "框架结构", "木结构", "钢结构", "网架结构", "泥砖木结构",
                "简易结构" } },
        { "cbbPlaneShape",
            { "矩形", "近似矩形", "梯形", "近似梯形", "T形", "L形", "多边形", "三角形", "近似三角形",
                "曲线形" } },
        { "cbbPropertyRightAttr", { "全民所有产", "集体所有产", "私产", "股份制" } },
    };
    return lists.value(control);
}

} // namespace ReportFields

ReportTexts ReportTexts::fromRow(const DataSet &reports, const QDate &today)
{
    using ReportFields::Kind;
    ReportTexts texts;
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        if (b.kind != Kind::Date) {
            texts.values.insert(b.column, reports.asString(b.column));
            continue;
        }
        const QDate date = reports.asDate(b.column);
        (b.column == QLatin1String("TrustDate") ? texts.trustDate : texts.apprDate)
            = date.isValid() ? date : today;
    }
    return texts;
}

QString SumBuildingArea(const ReportTexts &texts)
{
    double sum = 0;
    for (const QString &column : ReportFields::areaColumns()) {
        const QString text = texts.text(column);
        if (!NumberText::isDecimalNumber(text, u'.'))
            continue;
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (ok)
            sum += value;
    }
    // Sums beyond the range of a double have no decimal text.
    return std::isfinite(sum) ? QString::number(sum, 'g', 15) : QString();
}

QString withCrLf(const QString &text)
{
    if (!text.contains(u'\n'))
        return text;
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\n', QStringLiteral("\r\n"));
    return stored;
}

QString chineseDate(const QDate &date, bool twoDigits)
{
    return date.toString(twoDigits ? QStringLiteral("yyyy年MM月dd日") : QStringLiteral("yyyy年M月d日"));
}
