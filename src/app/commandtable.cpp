#include "app/commandtable.h"

namespace {

using CommandTable::Check;
using CommandTable::Command;
using CommandTable::Menu;

constexpr bool Report = true;
constexpr bool Always = false;

const Menu Menus[] = {
    {"MI_File", "文件(&F)", "文件"},   {"MI_Edit", "编辑(&E)", "编辑"},
    {"MI_View", "视图(&V)", "视图"},   {"MI_Record", "鉴定报告(&R)", "鉴定报告"},
    {"MI_Option", "选项(&O)", "选项"}, {"MI_Window", "窗口(&W)", "窗口"},
    {"MI_Help", "帮助(&H)", "帮助"},
};

const Command Commands[] = {
    {"Actn_FileNew", "MI_File", "新建(&N)", "新建", "Ctrl+N", Always},
    {"Actn_FileOpen", "MI_File", "打开(&O)", "打开", "Ctrl+O", Always},
    {"Actn_FileOpenServer", "MI_File", "打开服务器数据库...", "打开服务器数据库", "", Always},
    {"Actn_FileClose", "MI_File", "关闭(&C)", "关闭", "", Report},
    {"Actn_FileSave", "MI_File", "保存(&S)", "保存", "Ctrl+S", Report},
    {"Actn_FileSaveAs", "MI_File", "另存为(&A)", "另存为", "", Report},
    {nullptr, "MI_File"},
    {"Actn_FilePageSetup", "MI_File", "页面设置(&E)", "页面设置", "Ctrl+G", Report},
    {"Actn_FilePreview", "MI_File", "打印预览(&W)", "打印预览", "Ctrl+W", Report},
    {"Actn_FilePrint", "MI_File", "打印(&P)", "打印", "Ctrl+P", Report},
    {"Actn_FileExportPdf", "MI_File", "导出PDF(&D)...", "导出PDF", "", Report},
    {nullptr, "MI_File"},
    {"Actn_FileExit", "MI_File", "退出(&X)", "关闭当前程序", "Alt+X", Always},

    {"EditUndo1", "MI_Edit", "撤消(&Z)", "撤消", "Alt+Backspace", Always},
    {nullptr, "MI_Edit"},
    {"EditCut1", "MI_Edit", "剪切(&X)", "剪切", "Ctrl+X", Always},
    {"EditCopy1", "MI_Edit", "复制(&C)", "复制", "Ctrl+C", Always},
    {"EditPaste1", "MI_Edit", "粘贴(&P)", "粘贴", "Ctrl+V", Always},
    {nullptr, "MI_Edit"},
    {"EditSelectAll1", "MI_Edit", "选择全部(&A)", "选择全部", "", Always},
    {nullptr, "MI_Edit"},
    {"actnEditInsertCharacter", "MI_Edit", "插入字符(&I)", "插入字符", "", Report},
    {nullptr, "MI_Edit"},
    {"actnEditBrowser", "MI_Edit", "浏览(&B)", "浏览", "", Report, Check::SetByHandler},
    {"actnEditFind", "MI_Edit", "查询(&F)", "查询", "F3", Report, Check::SetByHandler},

    {"Actn_ViewTools", "MI_View", "工具栏(&T)", "工具栏", "", Always, Check::SetByHandler, true},
    {"Actn_ViewStatus", "MI_View", "状态栏(&T)", "状态栏", "", Always, Check::SetByHandler, true},
    {nullptr, "MI_View"},
    {"actnBrowser", "MI_View", "导航器(&B)", "导航器", "", Report, Check::Toggles, true},
    {nullptr, "MI_View"},
    {"actnView0", "MI_View", "登记", "登记", "", Report, Check::SetByHandler},
    {"actnView1", "MI_View", "鉴定和计算", "鉴定和计算", "", Report, Check::SetByHandler},
    {"actnView2", "MI_View", "鉴定报告", "鉴定报告", "", Report, Check::SetByHandler},

    {"Actn_RecordAppend", "MI_Record", "增加(&E)", "增加", "Ctrl+E", Report},
    {"Actn_RecordInsert", nullptr, "插入(&I)", "插入", "Ctrl+I", Report},
    {"Actn_RecordDelete", "MI_Record", "删除(&D)", "删除", "Ctrl+D", Report},
    {nullptr, "MI_Record"},
    {"Actn_RecordSaveAsTemplate", "MI_Record", "当前鉴定报告保存为模板(&A)", "当前鉴定报告保存为模板", "",
     Report},
    {"Actn_RecordInstead", "MI_Record", "模板替换当前鉴定报告(&T)", "模板替换当前鉴定报告", "", Report},
    {nullptr, "MI_Record"},
    {"Actn_RecordFirst", "MI_Record", "第一份(&F)", "第一份", "Ctrl+F", Report},
    {"Actn_RecordPrior", "MI_Record", "上一份(&P)", "上一份", "Ctrl+R", Report},
    {"Actn_RecordNext", "MI_Record", "下一份(&P)", "下一份", "Ctrl+T", Report},
    {"Actn_RecordLast", "MI_Record", "最后一份(&L)", "最后一份", "Ctrl+L", Report},
    {nullptr, "MI_Record"},
    {"actnRecordCalcu", "MI_Record", "计算等级(&C)", "计算等级", "", Report},

    {"Actn_OptionConfig", "MI_Option", "设置(&C)", "设置", "Ctrl+Y", Always},
    {nullptr, "MI_Option"},
    {"actnOptionCalcu", "MI_Option", "计算器(&L)", "计算器", "", Always},

    {"actnArrangeChildWin", "MI_Window", "重排窗口", "重排窗口", "", Always},
    {nullptr, "MI_Window"},
    {"Actn_WindowArrangeAll", nullptr, "重排所有", "重排所有", "", Report},
    {"Actn_WindowTileHorizontal", nullptr, "水平排列", "水平排列", "", Report},
    {"Actn_WindowTileVertical", nullptr, "竖直排列", "竖直排列", "", Report},
    {"Actn_WindowCascade", nullptr, "层叠", "层叠", "", Report},

    {"actnHelpManual", "MI_Help", "帮助(&H)", "帮助", "F1", Always},
    {nullptr, "MI_Help"},
    {"HelpEmail", "MI_Help", "有意见或建议请给我们写信(&M)", "有意见或建议请给我们写信", "", Always},
    {nullptr, "MI_Help"},
    {"actnHelpProductsList", "MI_Help", "产品列表", "产品列表", "", Always},
    {nullptr, "MI_Help"},
    {"HelpAbout1", "MI_Help", "关于(&A)", "显示软件信息", "Ctrl+H", Always},
};

// The tool buttons in order, each with the freedesktop icon name the
// desktop's icon theme may supply; a null command is a separator.
const CommandTable::ToolButton ToolBar[] = {
    {"Actn_FileNew", "document-new"},
    {"Actn_FileOpen", "document-open"},
    {"Actn_FileSave", "document-save"},
    {"Actn_FilePrint", "document-print"},
    {"Actn_FilePreview", "document-print-preview"},
    {"Actn_FilePageSetup", "document-page-setup"},
    {nullptr, nullptr},
    {"EditUndo1", "edit-undo"},
    {"EditCut1", "edit-cut"},
    {"EditCopy1", "edit-copy"},
    {"EditPaste1", "edit-paste"},
    {nullptr, nullptr},
    {"actnBrowser", "view-list-tree"},
    {nullptr, nullptr},
    {"Actn_RecordAppend", "list-add"},
    {"Actn_RecordDelete", "list-remove"},
    {"Actn_RecordFirst", "go-first"},
    {"Actn_RecordPrior", "go-previous"},
    {"Actn_RecordNext", "go-next"},
    {"Actn_RecordLast", "go-last"},
    {"actnRecordCalcu", "accessories-calculator"},
};

} // namespace

std::span<const Menu> CommandTable::menus()
{
    return Menus;
}

std::span<const Command> CommandTable::commands()
{
    return Commands;
}

std::span<const CommandTable::ToolButton> CommandTable::toolBar()
{
    return ToolBar;
}
