#include "output/bodypage.h"

#include "base/apperror.h"
#include "base/prompt.h"
#include "db/reportfields.h"
#include "output/coverpage.h"
#include "output/outputstate.h"
#include "output/reportdrawing.h"
#include "output/units.h"

#include <initializer_list>
#include <optional>

namespace {

constexpr auto mm = MMToInches;

// Row heights in millimetres.
constexpr double RowHeight = 5; // headings, grid rows, signature rows
constexpr double LineHeight = 4; // text lines of sections 四 to 七, spacers

const QString Heiti = QStringLiteral("黑体");
const QString Songti = QStringLiteral("宋体");
const QString TimesNewRoman = QStringLiteral("Times New Roman");

enum class Rule { None, Thin, Thick };

struct GridCell
{
    double width; // mm
    QString text;
    TCellAlign align;
};

// Draws the rows of the table from the top down; positions in inches.
class BodyTable
{
public:
    BodyTable(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double left, double width)
        : m_canvas(canvas)
        , m_preview(IsPreview)
        , m_dpiX(DpiX)
        , m_dpiY(DpiY)
        , m_x0(left)
        , m_x1(left + width)
    { }

    double left() const { return m_x0; }
    double right() const { return m_x1; }

    void font(const QString &face, TFontStyle style)
    {
        SetReportFont(m_canvas, face, style, 10, m_preview, m_dpiX, m_dpiY);
    }

    // A heading band across the table with its text in 黑体 bold.
    void heading(double top, double height, const QString &text, Rule topRule, Rule bottomRule)
    {
        const double bottom = top + mm(height);
        m_canvas.setPenColor(Qt::black);
        edges(top, bottom);
        horizontal(top, m_x0, m_x1, topRule);
        horizontal(bottom, m_x0, m_x1, bottomRule);
        font(Heiti, TFontStyle::Bold);
        DrawCellText(m_canvas, text, m_dpiX, m_dpiY, inner(m_x0, top, m_x1, bottom), TCellAlign::Left);
    }

    // A row of ruled cells, each with its text in the canvas font.
    void grid(double top, std::initializer_list<GridCell> cells)
    {
        const double bottom = top + mm(RowHeight);
        double offset = 0; // mm from the table's left edge
        qsizetype i = 0;
        for (const GridCell &cell : cells) {
            const double a = m_x0 + mm(offset);
            offset += cell.width;
            const double b = m_x0 + mm(offset);
            const bool first = i == 0;
            const bool last = ++i == qsizetype(cells.size());
            m_canvas.setPenColor(Qt::black);
            vertical(a, top, bottom, first ? Rule::Thick : Rule::Thin);
            vertical(b, top, bottom, last ? Rule::Thick : Rule::Thin);
            horizontal(top, a, b, Rule::Thin);
            horizontal(bottom, a, b, Rule::Thin);
            DrawCellText(m_canvas, cell.text, m_dpiX, m_dpiY, inner(a, top, b, bottom), cell.align);
        }
    }

    // The thick left and right edges from top to bottom.
    void edges(double top, double bottom)
    {
        m_canvas.setPenColor(Qt::black);
        vertical(m_x0, top, bottom, Rule::Thick);
        vertical(m_x1, top, bottom, Rule::Thick);
    }

    void horizontal(double y, double a, double b, Rule rule)
    {
        if (rule == Rule::None)
            return;
        pen(rule);
        DrawReportLine(m_canvas, m_dpiX, m_dpiY, a, y, b, y);
    }

    void text(const QString &text, const TCell &cell)
    {
        DrawCellText(m_canvas, text, m_dpiX, m_dpiY, cell, TCellAlign::Left);
    }

    void clippedText(const QString &text, const TCell &cell)
    {
        DrawClippedCellText(m_canvas, text, m_dpiX, m_dpiY, cell, TCellAlign::Left);
    }

    // The box that a cell's text is placed in.
    static TCell inner(double a, double top, double b, double bottom)
    {
        return { a + mm(1), top + mm(1), b - mm(1), bottom - mm(0.5) };
    }

private:
    void vertical(double x, double top, double bottom, Rule rule)
    {
        pen(rule);
        DrawReportLine(m_canvas, m_dpiX, m_dpiY, x, top, x, bottom);
    }

    void pen(Rule rule)
    {
        m_canvas.setPenWidth(rule == Rule::Thick ? ThickPenWidth(m_preview) : ThinPenWidth(m_preview));
    }

    ReportCanvas &m_canvas;
    bool m_preview;
    int m_dpiX;
    int m_dpiY;
    double m_x0;
    double m_x1;
};

struct TextSection
{
    QString heading;
    int value;
    int TPageSettings::*height;
    bool songtiLines; // sets 宋体 before each line instead of measuring with the heading's font
};

// Draws one of the sections 四 to 七 from s; returns where the next row starts.
double drawTextSection(BodyTable &table, double s, const TextSection &section, const BodyValues &values)
{
    const TPageSettings &settings = OutputProcess.CurrentPageSettings;
    table.heading(s, RowHeight, section.heading, Rule::Thin, Rule::None);
    QStringList lines;
    WrapReportText(PageValueAt(values, section.value), settings.RowMaxCharCount, lines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double top = s + mm(RowHeight + LineHeight * double(i));
        if (section.songtiLines)
            table.font(Songti, TFontStyle::Regular);
        table.clippedText(
            lines.at(i), BodyTable::inner(table.left(), top, table.right(), top + mm(LineHeight)));
    }
    const double e = s + mm(settings.*section.height - 1.0);
    table.edges(s, e);
    table.horizontal(e, table.left(), table.right(), Rule::Thin);
    return e;
}

// The name of a signatory when the page settings print it.
QString signatory(const QString &name, int flag)
{
    return flag == 1 ? name : QString();
}

} // namespace

void DrawBodyHeader(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double pageWidth,
    double leftMargin, double topMargin, double rightMargin, const BodyValues &values)
{
    const double right = pageWidth - rightMargin;
    try {
        canvas.setPenColor(Qt::black);
        SetReportFont(canvas, Heiti, TFontStyle::Regular, 20, IsPreview, DpiX, DpiY);
        DrawCellText(canvas, ReportTitle, DpiX, DpiY, { leftMargin, topMargin, right, topMargin + mm(8) },
            TCellAlign::Center);
        SetReportFont(canvas, Songti, TFontStyle::Regular, 10, IsPreview, DpiX, DpiY);
        const QString &fileNo = PageValueAt(values, BodyValue::FileNo);
        const double h = ReportTextHeight(canvas, ReportTitle, DpiY);
        const double w = ReportTextWidth(canvas, fileNo, DpiX);
        const double baseLine = topMargin + mm(18);
        DrawCellText(canvas, fileNo, DpiX, DpiY, { right - w - mm(15), baseLine - h, right, baseLine },
            TCellAlign::Left);
    } catch (...) {
        Prompt::warning(QStringLiteral("打印表格表头错误!"));
    }
}

void DrawBodyPage(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double leftMargin,
    double tableTop, const BodyValues &values)
{
    // Lengths are added as doubles: settings of any size give exact
    // positions, which the primitives refuse when no canvas can hold them.
    const TPageSettings &settings = OutputProcess.CurrentPageSettings;
    const int CW = settings.ClientWidth;
    const int PW = settings.PhoneWidth;
    const auto value = [&](int index) -> const QString & { return PageValueAt(values, index); };
    using enum TCellAlign;

    BodyTable table(canvas, IsPreview, DpiX, DpiY, leftMargin, mm(42 + 2.0 * CW));
    double y = tableTop + mm(18);

    table.heading(y, RowHeight, QStringLiteral("一、委托单位/个人情况"), Rule::Thick, Rule::Thin);
    y += mm(RowHeight);
    table.font(TimesNewRoman, TFontStyle::Regular);
    table.grid(y,
        { { 18, QStringLiteral("委 托 人"), Center }, { double(CW), value(BodyValue::Client), Left },
            { 11, QStringLiteral("电话"), Center }, { double(PW), value(BodyValue::LinkPhone), Center },
            { 18, QStringLiteral("委托日期"), Center },
            { double(CW) - PW - 5, value(BodyValue::TrustDate), Center } });
    y += mm(RowHeight);

    table.heading(y, RowHeight, QStringLiteral("二、房屋情况"), Rule::Thin, Rule::Thin);
    y += mm(RowHeight);
    struct HouseRow
    {
        QString label1;
        int value1;
        QString label2;
        int value2;
        TCellAlign valueAlign;
        QString suffix;
    };
    const HouseRow houseRows[] = {
        { QStringLiteral("房屋地址"), BodyValue::Address, QStringLiteral("产  权  人"),
            BodyValue::PropertyRightMan, Left, QString() },
        { QStringLiteral("房屋用途"), BodyValue::BldgPurpose, QStringLiteral("建造年份"),
            BodyValue::BuildYear, Center, QString() },
        { QStringLiteral("结构类型"), BodyValue::StrucStyle, QStringLiteral("建筑面积"),
            BodyValue::BuildingArea, Center, QStringLiteral("㎡") },
        { QStringLiteral("平面形式"), BodyValue::PlaneShape, QStringLiteral("层      数"), BodyValue::Layers,
            Center, QString() },
        { QStringLiteral("产权性质"), BodyValue::PropertyRightAttr, QStringLiteral("产权证编号"),
            BodyValue::PropertyRightCertificate, Center, QString() },
    };
    for (const HouseRow &row : houseRows) {
        table.font(TimesNewRoman, TFontStyle::Regular);
        table.grid(y,
            { { 18, row.label1, Center }, { double(CW), value(row.value1), row.valueAlign },
                { 24, row.label2, Center }, { double(CW), value(row.value2) + row.suffix, row.valueAlign } });
        y += mm(RowHeight);
    }

    table.font(Songti, TFontStyle::Regular);
    table.grid(
        y, { { 18, QStringLiteral("备    注"), Center }, { 24 + 2.0 * CW, value(BodyValue::Memory), Left } });
    y += mm(RowHeight);

    table.heading(y, RowHeight, QStringLiteral("三、房屋安全鉴定目的：") + value(BodyValue::ApprPurpose),
        Rule::Thin, Rule::Thin);
    y += mm(RowHeight);

    const TextSection sections[] = {
        { QStringLiteral("四、鉴定情况："), BodyValue::ApprCircs, &TPageSettings::ApprCircsRowCount, false },
        { QStringLiteral("五、损坏原因分析："), BodyValue::ShatterReason0,
            &TPageSettings::ShatterReasonRowCount, true },
        { QStringLiteral("六、鉴定结论："), BodyValue::ApprConclusion, &TPageSettings::ApprConclusionRowCount,
            false },
        { QStringLiteral("七、处理建议："), BodyValue::DisposalAdvi, &TPageSettings::DisposalAdviRowCount,
            false },
    };
    for (const TextSection &section : sections)
        y = drawTextSection(table, y, section, values);

    // The signature sections show the report as it is now, not the page file.
    const std::optional<SignatureValues> signatures
        = OutputProcess.ActiveSignatures ? OutputProcess.ActiveSignatures() : std::nullopt;
    if (!signatures)
        throw AppError(QStringLiteral("没有可打印签章数据的鉴定报告窗口。"));

    table.heading(
        y, RowHeight, QStringLiteral("八、检测鉴定人员：") + signatures->Surveyor, Rule::Thin, Rule::Thin);
    y += mm(RowHeight);
    table.heading(y, RowHeight, QStringLiteral("九、鉴定单位技术负责人签章："), Rule::None, Rule::None);
    y += mm(RowHeight);

    struct SignatureRow
    {
        QString first;
        QString second; // placed 90 mm right of the first; empty for none
    };
    const SignatureRow rows[] = {
        { QStringLiteral("鉴定人：") + signatory(signatures->Appraiser, settings.CovPrnSelAppraisor),
            QStringLiteral("鉴定单位（公章）：") + signatures->ApprUnit },
        { QStringLiteral("审核人：") + signatory(signatures->Assessor, settings.CovPrnSelAssessor),
            QStringLiteral("鉴定日期：") + chineseDate(signatures->ApprDate) },
        { QStringLiteral("审定人：") + signatory(signatures->AuthorizedMan, settings.CovPrnSelAuthorizedMan),
            QString() },
    };
    table.font(TimesNewRoman, TFontStyle::Regular);
    for (const SignatureRow &row : rows) {
        table.edges(y, y + mm(LineHeight));
        y += mm(LineHeight);
        const double bottom = y + mm(RowHeight);
        table.edges(y, bottom);
        const TCell box = BodyTable::inner(table.left(), y, table.right(), bottom);
        table.text(row.first, box);
        if (!row.second.isEmpty())
            table.text(row.second, { box.Left + mm(90), box.Top, box.Right, box.Bottom });
        y = bottom;
    }
    const double bottom = y + mm(LineHeight);
    table.edges(y, bottom);
    table.horizontal(bottom, table.left(), table.right(), Rule::Thick);
}

void WrapReportText(const QString &text, int maxCharsPerLine, QStringList &lines)
{
    const qint64 limit = 2 * qint64(maxCharsPerLine);
    const qsizetype n = text.size();
    QString line;
    qint64 count = 0; // narrow characters count 1, others 2
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const bool last = i == n - 1;
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') {
            lines.append(line);
            line.clear();
            count = 0;
            ++i;
        } else {
            line += c;
            count += c.unicode() < 128 ? 1 : 2;
        }
        if (count > limit) {
            lines.append(line);
            line.clear();
            count = 0;
        } else if (last) {
            lines.append(line);
        }
    }
}
