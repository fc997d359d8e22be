#include "output/pagesettingsstore.h"

#include "base/apperror.h"
#include "base/appsettings.h"
#include "base/inifile.h"
#include "base/prompt.h"
#include "db/dataset.h"
#include "output/outputstate.h"

namespace {

const QString Section = QStringLiteral("PageSetup");
const QString PageStyleName = QStringLiteral("PageStyle");

// The 21 whole-number settings in column order: the column (and field) name,
// the config.ini key and the member. The paper style, a text, comes first.
struct IntegerSetting
{
    QString column;
    QString key;
    int TPageSettings::*member;
};

const QList<IntegerSetting> &integerSettings()
{
    static const QList<IntegerSetting> settings = [] {
        QList<IntegerSetting> list;
        auto add = [&](const char *column, int TPageSettings::*member, const char *key = nullptr) {
            list.append({ QLatin1String(column), QLatin1String(key ? key : column), member });
        };
        add("PageWidth", &TPageSettings::PageWidth);
        add("PageHeight", &TPageSettings::PageHeight);
        add("PageOrientation", &TPageSettings::PageOrientation, "Orientation");
        add("TopMargin", &TPageSettings::TopMargin);
        add("BottomMargin", &TPageSettings::BottomMargin);
        add("LeftMargin", &TPageSettings::LeftMargin);
        add("RightMargin", &TPageSettings::RightMargin);
        add("FooterMargin", &TPageSettings::FooterMargin);
        add("CovOffsetRightSpace", &TPageSettings::CovOffsetRightSpace);
        add("CovOffsetBottomSpace", &TPageSettings::CovOffsetBottomSpace);
        add("CovRowSpace", &TPageSettings::CovRowSpace);
        add("CovPrnSelAppraisor", &TPageSettings::CovPrnSelAppraisor);
        add("CovPrnSelAssessor", &TPageSettings::CovPrnSelAssessor);
        add("CovPrnSelAuthorizedMan", &TPageSettings::CovPrnSelAuthorizedMan);
        add("ApprCircsRowCount", &TPageSettings::ApprCircsRowCount);
        add("ShatterReasonRowCount", &TPageSettings::ShatterReasonRowCount);
        add("ApprConclusionRowCount", &TPageSettings::ApprConclusionRowCount);
        add("DisposalAdviRowCount", &TPageSettings::DisposalAdviRowCount);
        add("RowMaxCharCount", &TPageSettings::RowMaxCharCount);
        add("ClientWidth", &TPageSettings::ClientWidth);
        add("PhoneWidth", &TPageSettings::PhoneWidth);
        return list;
    }();
    return settings;
}

} // namespace

void LoadPageDefaults()
{
    const IniFile ini(configIniPath());
    const TPageSettings initial;
    TPageSettings &current = OutputProcess.CurrentPageSettings;
    current.PageStyle = ini.readString(Section, PageStyleName, initial.PageStyle);
    for (const IntegerSetting &s : integerSettings())
        current.*s.member = ini.readInteger(Section, s.key, initial.*s.member);
}

// The 22 keys replace the old defaults together or, when config.ini cannot
// be written, not at all.
void SavePageDefaults()
{
    IniFile ini(configIniPath(), IniFile::WriteMode::OnCommit);
    const TPageSettings &current = OutputProcess.CurrentPageSettings;
    ini.writeString(Section, PageStyleName, current.PageStyle);
    for (const IntegerSetting &s : integerSettings())
        ini.writeInteger(Section, s.key, current.*s.member);
    ini.commit();
}

void LoadPageSettingsFromRow(DataSet &dataSet)
{
    TPageSettings &current = OutputProcess.CurrentPageSettings;
    try {
        current.PageStyle = dataSet.asString(PageStyleName);
        for (const IntegerSetting &s : integerSettings())
            current.*s.member = dataSet.asInteger(s.column);
    } catch (const AppError &) {
        Prompt::error(QStringLiteral("读当前项目的页面设置数据错误!"));
    }
}

void StorePageDefaultsToRow(DataSet &dataSet)
{
    LoadPageDefaults();
    StorePageSettingsToRow(dataSet);
}

void StorePageSettingsToRow(DataSet &dataSet)
{
    const TPageSettings &current = OutputProcess.CurrentPageSettings;
    try {
        dataSet.edit();
        dataSet.setString(PageStyleName, current.PageStyle);
        for (const IntegerSetting &s : integerSettings())
            dataSet.setInteger(s.column, current.*s.member);
    } catch (const AppError &) {
        Prompt::error(QStringLiteral("写当前项目的页面设置到数据库错误!"));
    }
}

void ResetPageSettingsToInitial()
{
    OutputProcess.CurrentPageSettings = TPageSettings();
}
