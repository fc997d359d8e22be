<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ComponentTableFile</name>
    <message>
        <source>%1 不是 UTF-8 文本</source>
        <translation>%1 is not UTF-8 text</translation>
    </message>
    <message>
        <source>%1 第 %2 行有 %3 个单元格, 至多 %4 个</source>
        <translation>%1 line %2 has %3 cells, at most %4</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>不能打开数据库 %1
%2</source>
        <translation>cannot open the database %1
%2</translation>
    </message>
    <message>
        <source>数据库文件 %1 是只读文件, 不能保存修改!</source>
        <translation>the database file %1 is read-only: changes cannot be saved!</translation>
    </message>
    <message>
        <source>不能创建数据库 %1
</source>
        <translation>cannot create the database %1
</translation>
    </message>
    <message>
        <source>%1 不是文件, 不能作为它的日志文件!</source>
        <translation>%1 is not a file and cannot be its journal file!</translation>
    </message>
    <message>
        <source>不能删除旧的日志文件 %1!</source>
        <translation>cannot delete the old journal file %1!</translation>
    </message>
    <message>
        <source>数据库 %1 已存在!</source>
        <translation>the database %1 already exists!</translation>
    </message>
    <message>
        <source>没有给出数据库文件名!</source>
        <translation>no database file name given!</translation>
    </message>
    <message>
        <source>文件 %1 不是本系统的数据库!</source>
        <translation>the file %1 is not a database of this system!</translation>
    </message>
    <message>
        <source>数据库文件 %1 不存在!</source>
        <translation>the database file %1 does not exist!</translation>
    </message>
    <message>
        <source>数据库文件 %1 有一次未完成的修改(日志文件 %1-journal), 只读打开时不能恢复!</source>
        <translation>the database file %1 holds an unfinished change (journal file %1-journal) that cannot be recovered when it is opened for reading only!</translation>
    </message>
    <message>
        <source>数据库文件 %1 的预写日志 %2 中有尚未写入数据库的修改, 它所在的文件夹是只读的, 不能读取!</source>
        <translation>the write-ahead log %2 of the database file %1 holds changes not yet written to the database, and its folder is read-only: it cannot be read!</translation>
    </message>
    <message>
        <source>服务器数据库由 hadtool new 创建: %1</source>
        <translation>server databases are created by hadtool new: %1</translation>
    </message>
    <message>
        <source>数据库 %1 是文件夹, 不能作为数据库文件!</source>
        <translation>the database %1 is a folder and cannot be a database file!</translation>
    </message>
    <message>
        <source>文件夹 %1 不存在!</source>
        <translation>the folder %1 does not exist!</translation>
    </message>
    <message>
        <source>数据库文件 %1 正被其他程序以预写日志方式打开, 不能打开! 请先关闭那个程序。</source>
        <translation>the database file %1 is open in another program with write-ahead logging and cannot be opened! Close that program first.</translation>
    </message>
    <message>
        <source>服务器数据库 %1 只允许读取, 不能保存修改!</source>
        <translation>the server database %1 may only be read: changes cannot be saved!</translation>
    </message>
    <message>
        <source>不能连接服务器数据库 %1
%2</source>
        <translation>cannot connect to the server database %1
%2</translation>
    </message>
    <message>
        <source>没有 PostgreSQL 数据库驱动 (QPSQL), 请安装 libqt6sql6-psql。</source>
        <translation>there is no PostgreSQL database driver (QPSQL): install libqt6sql6-psql.</translation>
    </message>
    <message>
        <source>服务器数据库 %1 中没有表 %2, 不是本系统的数据库! (用 hadtool new 创建)</source>
        <translation>the server database %1 has no table %2 and is not a database of this system! (create one with hadtool new)</translation>
    </message>
    <message>
        <source>服务器数据库 %1 的表 %2 没有列 %3, 不是本系统的数据库!</source>
        <translation>the table %2 of the server database %1 has no column %3: it is not a database of this system!</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>不能读取文件 %1: %2</source>
        <translation>cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>不能写入文件 %1: %2</source>
        <translation>cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>NewFile</name>
    <message>
        <source>不能创建文件 %1: %2</source>
        <translation>cannot create the file %1: %2</translation>
    </message>
</context>
<context>
    <name>ReplacementFile</name>
    <message>
        <source>不能创建文件 %1: %2</source>
        <translation>cannot create the file %1: %2</translation>
    </message>
    <message>
        <source>不能写入文件 %1: %2</source>
        <translation>cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportCopy</name>
    <message>
        <source>目标数据库 %1 的表 %2 没有列 %3, 不能复制其中的数据!</source>
        <translation>the table %2 of the target database %1 has no column %3: its data cannot be copied!</translation>
    </message>
    <message>
        <source>目标数据库 %1 中已有鉴定报告; 要加在它们后面, 请用 --append。</source>
        <translation>the target database %1 holds reports already; to add the copies after them, use --append.</translation>
    </message>
    <message>
        <source>不能把数据库复制到它自己: %1</source>
        <translation>a database cannot be copied into itself: %1</translation>
    </message>
</context>
<context>
    <name>hadtool</name>
    <message>
        <source>%1 份鉴定报告已复制
</source>
        <translation>%1 reports copied
</translation>
    </message>
    <message>
        <source>把一个鉴定数据库的所有报告复制到另一个</source>
        <translation>copy every report from one appraisal database into another</translation>
    </message>
    <message>
        <source>SOURCE 和 DESTINATION 各是一个 .had 文件或 PostgreSQL URL
(postgresql://USER@HOST:PORT/DBNAME)。每份报告连同它的所有列 (编号、
页面设置、与存储完全相同的日期) 和它的构件行, 按报告存储的顺序复制。复制
要么全部完成, 要么什么都不做: 失败后 DESTINATION 保持原样, 新文件也不会
留下。

DESTINATION 必须是新的 (不存在的文件, 或没有这些表的服务器数据库, 由复制
创建这些表), 或者不含报告; 这时报告保留它们的 ID。SOURCE 只被读取。

选项:
  --append   把报告添加到 DESTINATION 已有的报告之后 (新的 ID)

在终端上, 进度 (n/N) 显示在标准错误上。
</source>
        <translation>SOURCE and DESTINATION are each a .had file or a PostgreSQL URL
(postgresql://USER@HOST:PORT/DBNAME). Every report is copied with all its
columns (number, page settings, dates exactly as stored) and its component
rows, in the order the reports were stored. The copy is all or nothing:
after a failure DESTINATION is as it was, and a new file is not left behind.

DESTINATION must be new (a file that does not exist, a server database
without the tables, which the copy creates) or hold no reports; reports
then keep their IDs. SOURCE is only read.

Options:
  --append   add the reports after those DESTINATION holds (new IDs)

On a terminal the progress (n/N) is shown on standard error.
</translation>
    </message>
    <message>
        <source>标准输入</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>选项 --standard 取 1999 或 2016, 不能是 &apos;%1&apos;</source>
        <translation>option --standard takes 1999 or 2016, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--ground-dangerous 要与 --table 一起使用</source>
        <translation>--ground-dangerous goes with --table</translation>
    </message>
    <message>
        <source>--ground-dangerous 要与 --standard 2016 一起使用</source>
        <translation>--ground-dangerous goes with --standard 2016</translation>
    </message>
    <message>
        <source>计算报告构件表的危险等级</source>
        <translation>compute the danger grade of a report&apos;s component table</translation>
    </message>
    <message>
        <source>统计一份报告的构件行, 或文件中一个表的构件行, 按任一鉴定标准, 与程序的
“计算等级”命令完全相同地评定危险等级。打印该命令写入结果栏的各行。

按 JGJ 125-99 (按房屋各组成部分的模糊综合评判方法), 共七行: 危险构件
百分数以及地基基础、上部承重结构和围护结构的隶属度, 一个空行, 综合隶属度,
一个空行和给出等级的句子。

按 JGJ 125-2016 (按楼层的方法): 地基的状态, 每层一行, 含该层危险构件的
比例和该层的等级 (Au 到 Du), 顺序为基础、地下最深一层到 -1 层、1 层到
顶层, 一个空行, 整幢房屋的比例 R 和 Du 级楼层数, 一个空行和给出等级的
句子。

选项:
  --index N           查询顺序中从 0 起第 N 份报告
  --file-no NO        FileNo 为 NO 的第一份报告
  --table FILE        用表文件代替数据库; - 读取标准输入
  --standard YEAR     1999 为 JGJ 125-99, 2016 为 JGJ 125-2016; 不给出时,
                      存储的报告按它自己的标准 (及它对地基的判断) 评定,
                      表按 JGJ 125-99 评定
  --ground-dangerous  与 --table 和 --standard 2016 一起: 鉴定人判定地基
                      危险, 等级因此为 D
  --json              改为打印一个 JSON 对象: 标准、等级所依据的数值
                      (百分数和比例为两位小数的字符串) 和等级字母

存储的报告的构件行是它的 CalcuData 行 (FileNo 等于报告存储的 FileNo)。
文件只以只读方式打开。

表文件是 UTF-8 文本 (开头的字节顺序标记被跳过), 每行一个构件行, 行以 LF
或 CR LF 结尾。每行至多六个以制表符分隔的单元格, 末尾缺少的单元格为空,
多于六个为错误: 1999 为部位、构件、结构、总数、危险数、条文; 2016 为楼层
(基础, 1, 2, ... 或 -1, -2, ...)、种类 (中柱, 边柱, 角柱, 墙体, 屋架, 中梁,
边梁, 次梁, 楼屋面板 或 围护构件)、结构、总数、危险数、条文; 楼层为基础的
每一行都计入地基基础。单元格按原样取用, 包括空格。空行或标题行是不计数的
行。

计数行的数量单元格必须是整数: 可选的 + 或 - 和数字 0 到 9, 在
-2147483648 到 2147483647 之间, 不能有别的。任何其他文本都会停止评定, 在
标准错误上输出 &quot;第 N 行 COLUMN: &apos;TEXT&apos; is not a valid integer value&quot;
(N 为该行的行号, 第一行为 1; COLUMN 为 构件总数 或 危险构件数), 退出状态
为 1; 不计数的行可以含任何内容。按 2016, 负的数量、大于总数的危险数, 以及
位于无效楼层上的计数种类也会停止评定, 并给出指明该行的消息。
</source>
        <translation>Counts the component rows of a report, or of a table in a file, and
evaluates the danger grade exactly as the program&apos;s calculate command
does, by either appraisal standard. Prints the lines that command writes
into the result memo.

By JGJ 125-99 (the fuzzy method by the parts of the house), seven lines:
the percentage of dangerous components and the membership degrees of the
foundation, the load-bearing structure and the enclosure, an empty line,
the overall degrees, an empty line and the sentence with the grade.

By JGJ 125-2016 (the method by levels): the state of the ground, one
line per level with its ratio of dangerous components and its grade (Au
to Du) in the order foundation, deepest basement up to -1, 1 up to the
top, an empty line, the whole-house ratio R with the number of Du
levels, an empty line and the sentence with the grade.

Options:
  --index N           the report at zero-based position N in query order
  --file-no NO        the first report whose FileNo is NO
  --table FILE        a table file instead of a database; - reads standard
                      input
  --standard YEAR     1999 for JGJ 125-99 or 2016 for JGJ 125-2016; a stored
                      report is graded by its own standard (with its own
                      judgement of the ground) unless this is given, a
                      table by JGJ 125-99
  --ground-dangerous  with --table and --standard 2016: the appraiser
                      judged the ground dangerous, which makes the grade D
  --json              print one JSON object instead of the lines: the
                      standard, the values behind the grade (percentages
                      and ratios as strings with two decimals) and the
                      grade letter

A stored report&apos;s rows are its CalcuData rows (FileNo equal to the
report&apos;s stored FileNo). The file is opened for reading only.

A table file is UTF-8 text (a leading byte order mark is skipped), one
component row per line, lines ended by LF or CR LF. Each line holds up to
six cells separated by tabs, missing cells at the end being empty and
more than six an error: for 1999 part, component, structure, total,
dangerous, clause; for 2016 level (基础, 1, 2, ... or -1, -2, ...), kind
(中柱, 边柱, 角柱, 墙体, 屋架, 中梁, 边梁, 次梁, 楼屋面板 or 围护构件),
structure, total, dangerous, clause; every row on the level 基础 counts
as foundation. Cells are taken as they are, blanks included. An empty
line or a header line is a row that is not counted.

A count cell of a counted row must be a whole number: an optional + or -
and the digits 0 to 9, within -2147483648 to 2147483647, nothing else.
Any other text stops the evaluation with &quot;第 N 行 COLUMN: &apos;TEXT&apos; is not a
valid integer value&quot; on standard error (N the row&apos;s line, 1 for the
first; COLUMN 构件总数 or 危险构件数) and exit status 1; rows that are not
counted may hold anything. By 2016 a negative count, a dangerous count
above the total, and a counted kind on a level that is none stop it too,
with a message naming the row.
</translation>
    </message>
    <message>
        <source>--json 和 --csv 只能给出一个</source>
        <translation>give either --json or --csv</translation>
    </message>
    <message>
        <source>列出鉴定数据库中的鉴定报告</source>
        <translation>list the reports of an appraisal database</translation>
    </message>
    <message>
        <source>按程序列出报告的顺序, 每份报告打印一行: FileNo、Address、
PropertyRightMan 和 Client, 以制表符分隔。值中的反斜杠、制表符、CR 和
LF 写作 \\、\t、\r 和 \n, 其他控制字符写作 \xHH。文件只以只读方式
打开: 文件和它的日志文件都不改变, 旁边也不创建任何文件。

选项:
  --json   改为输出一个 JSON 数组, 每份报告一个对象, 成员为 FileNo、
           Address、PropertyRightMan 和 Client, 每个文本都与存储的相同
           (UTF-8)
  --csv    改为输出 CSV (RFC 4180): 先是列名的标题行, 然后每份报告一行;
           含逗号、引号或换行的值加引号; 各行以 CR LF 结尾 (UTF-8)
</source>
        <translation>Prints one line per report, in the order the program lists them: FileNo,
Address, PropertyRightMan and Client, separated by tabs. In the values a
backslash, tab, CR and LF are written as \\, \t, \r and \n, any other
control character as \xHH. The file is opened for reading only: neither
it nor its journal files change, and nothing is created beside it.

Options:
  --json   a JSON array instead, one object per report with the members
           FileNo, Address, PropertyRightMan and Client, every text as
           stored (UTF-8)
  --csv    CSV (RFC 4180) instead: a header line with the column names,
           then one line per report; values with a comma, a quote or a
           line break are quoted; lines end in CR LF (UTF-8)
</translation>
    </message>
    <message>
        <source>--force 只用于文件: 服务器数据库从不被替换</source>
        <translation>--force is for files: a server database is never replaced</translation>
    </message>
    <message>
        <source>数据库 %1 已存在! (--force 删除并创建)</source>
        <translation>database %1 already exists! (--force deletes it and creates a new one)</translation>
    </message>
    <message>
        <source>数据库 %1 正被一个程序打开着, 或者不能写入; 原来的文件没有改变。</source>
        <translation>database %1 is open in a program, or cannot be written; the old file has not changed.</translation>
    </message>
    <message>
        <source>创建一个空的鉴定数据库</source>
        <translation>create an empty appraisal database</translation>
    </message>
    <message>
        <source>创建含表 ProjectTab 和 CalcuData、没有报告的 FILE.had。文件先以临时名称
建在同一文件夹中, 完成后才改用它的名称; 失败时不留下任何文件。

给出 PostgreSQL URL (libpq 的格式; sslmode、connect_timeout 等 libpq
参数都有效) 时, 在这个已有的空服务器数据库中用一个事务创建这两个表;
已含其中任一个表的数据库被拒绝, 保持原样。

选项:
  --force   替换已有的 FILE.had (有程序打开它时拒绝)
</source>
        <translation>Creates FILE.had with the tables ProjectTab and CalcuData and no reports.
The file is built under a temporary name in the same folder and takes its
name only when complete; a failure leaves no file behind.

Given a PostgreSQL URL (libpq&apos;s form; sslmode, connect_timeout and the
other libpq parameters are honoured), creates the two tables in that
existing, empty server database, in one transaction; a database that
holds either table already is refused and left as it is.

Options:
  --force   replace an existing FILE.had (refused while any program has it open)
</translation>
    </message>
    <message>
        <source>不能读取文件 %1: %2</source>
        <translation>cannot read file %1: %2</translation>
    </message>
    <message>
        <source>请给出 --all, 或 --index N 和 --file-no NO 中的一个</source>
        <translation>give either --all or one of --index N and --file-no NO</translation>
    </message>
    <message>
        <source>缺少 -o OUT.pdf</source>
        <translation>missing -o OUT.pdf</translation>
    </message>
    <message>
        <source>文件 %1 中没有鉴定报告</source>
        <translation>file %1 holds no reports</translation>
    </message>
    <message>
        <source>不能创建临时文件夹: %1</source>
        <translation>cannot create a temporary folder: %1</translation>
    </message>
    <message>
        <source>把鉴定数据库中的报告打印到 PDF 文件</source>
        <translation>print reports of an appraisal database into a PDF file</translation>
    </message>
    <message>
        <source>与程序打印时一样, 打印所选的报告, 或用 --all 按列表顺序打印每份报告:
每份报告用它自己的页面设置 (纸张、边距、偏移、各栏高度), 封面和正文页由
页面文件以每英寸 600 点绘制, 以纸张的角为原点; 除非程序的 config.ini
关闭产品标记 ([Misc] IsPrintSoftMess=0), 否则带产品标记。所有页面写入
一个 PDF 文件, 每份报告两页。

选项:
  --index N      列表中第 N 份报告 (0 为第一份)
  --file-no NO   FileNo 为 NO 的第一份报告
  --all          每一份报告; 标准错误是终端时在其上显示进度 n/N
  -o OUT.pdf     要写的 PDF 文件; 已有的文件只在新文件完成后才被替换;
                 -o - 把 PDF 文件写到标准输出

未能完整绘制页面的消息写到标准错误; PDF 仍会写出, 退出状态为 1。
数据库只以只读方式打开。
</source>
        <translation>Prints the chosen report, or with --all every report in list order, as the
program prints it: for each report its own page settings (paper, margins,
offsets, section heights), the cover and the body page drawn from page
files at 600 dots per inch, the sheet&apos;s corner as origin, with the
product mark unless the program&apos;s config.ini turns it off ([Misc]
IsPrintSoftMess=0). All pages go into one PDF file, two per report.

Options:
  --index N      the report at position N of the list (0 is the first)
  --file-no NO   the first report whose FileNo is NO
  --all          every report; shows the progress n/N on standard error
                 when it is a terminal
  -o OUT.pdf     the PDF file to write; an existing file is replaced only
                 once the new one is complete; -o - writes the PDF file to
                 standard output

Messages about a page that could not be drawn in full are written to
standard error; the PDF is still written and the exit status is 1.
The database is opened for reading only.
</translation>
    </message>
    <message>
        <source>请给出 --page 1 (封面) 或 --page 2 (正文)</source>
        <translation>give --page 1 (cover) or --page 2 (body)</translation>
    </message>
    <message>
        <source>选项 --dpi 至多为 %1</source>
        <translation>option --dpi takes at most %1</translation>
    </message>
    <message>
        <source>缺少 -o OUT.png</source>
        <translation>missing -o OUT.png</translation>
    </message>
    <message>
        <source>不能把第 %1 页画成 PNG 图片。</source>
        <translation>cannot draw page %1 as a PNG picture.</translation>
    </message>
    <message>
        <source>与打印预览相同地绘制报告的一页</source>
        <translation>draw one page of a report as the print preview shows it</translation>
    </message>
    <message>
        <source>与打印预览在 100 % 时一样绘制所选报告的第 1 页 (封面) 或第 2 页 (正文):
报告自己的页面设置、预览的细笔、按程序的 config.ini 决定的产品标记, 画在
按给定的每英寸点数表示整张报告纸张的图片上。

选项:
  --index N      列表中第 N 份报告 (0 为第一份)
  --file-no NO   FileNo 为 NO 的第一份报告
  --page 1|2     页: 1 为封面, 2 为正文
  --dpi D        图片的每英寸点数, 10 到 1200 (默认 96)
  -o OUT.png     要写的 PNG 文件; 已有的文件只在新文件完成后才被替换;
                 -o - 把图片写到标准输出

未能完整绘制页面的消息写到标准错误; 图片仍会写出, 退出状态为 1。
数据库只以只读方式打开。
</source>
        <translation>Draws page 1 (the cover) or page 2 (the body) of the chosen report as the
print preview draws it at 100 %: the report&apos;s own page settings, the
preview&apos;s thin pens, the product mark as the program&apos;s config.ini
says, on a picture of the whole sheet of the report&apos;s paper at the given
dots per inch.

Options:
  --index N      the report at position N of the list (0 is the first)
  --file-no NO   the first report whose FileNo is NO
  --page 1|2     the page: 1 the cover, 2 the body
  --dpi D        dots per inch of the picture, 10 to 1200 (default 96)
  -o OUT.png     the PNG file to write; an existing file is replaced only
                 once the new one is complete; -o - writes the picture to
                 standard output

Messages about a page that could not be drawn in full are written to
standard error; the picture is still written and the exit status is 1.
The database is opened for reading only.
</translation>
    </message>
    <message>
        <source>请用 -o OUT.Btp 给出模板文件</source>
        <translation>give the template file with -o OUT.Btp</translation>
    </message>
    <message>
        <source>把存储的报告写成报告模板, 或显示一个模板</source>
        <translation>write a stored report as a report template, or show a template</translation>
    </message>
    <message>
        <source>用 -o 时, 把 FILE.had 中所选的报告写成报告模板 OUT.Btp, 与程序的“当前
鉴定报告保存为模板”命令对没有未保存修改的报告所做的相同: 28 个报告字段
和以该报告编号存储的构件表, 不含行号。已有的 OUT.Btp 会被替换, 但只在
新文件完成之后。FILE.had 只以只读方式打开。

用 --show 时, 打印模板 FILE.Btp: 先是它的 28 个字段, 每个一行, 列名和值
以制表符分隔, 按文件中的顺序; 然后它的构件表每行一行, 单元格 1 到 6
(部位、构件、结构、构件数、危险构件数、条文) 以制表符分隔。值中的反斜杠、
制表符、CR 和 LF 写作 \\、\t、\r 和 \n, 其他控制字符写作 \xHH。不是
模板的文件或损坏的模板被拒绝, 并给出 &quot;文件格式不对...&quot;。

选项:
  --index N     程序顺序中从 0 起第 N 份报告
  --file-no NO  编号为 NO 的第一份报告
  -o OUT.Btp    要写的模板文件
  --show        显示一个模板, 而不是写模板
</source>
        <translation>With -o, writes the chosen report of FILE.had as the report template
OUT.Btp, as the program&apos;s &quot;save as template&quot; command does for a report
that has no unsaved changes: the 28 report fields and the component table
stored under the report&apos;s number, without line numbers. An existing
OUT.Btp is replaced, but only once the new file is complete. FILE.had is
opened for reading only.

With --show, prints the template FILE.Btp: first its 28 fields, one line
each, the column name and the value separated by a tab, in file order;
then one line per line of its component table, the cells 1 to 6 (part,
component, structure, number of components, number of dangerous
components, clause) separated by tabs. In the values a backslash, tab, CR
and LF are written as \\, \t, \r and \n, any other control character
as \xHH. A file that is no template, or a damaged one, is refused with
&quot;文件格式不对...&quot;.

Options:
  --index N     the report at position N in the program&apos;s order, from 0
  --file-no NO  the first report numbered NO
  -o OUT.Btp    the template file to write
  --show        show a template instead of writing one
</translation>
    </message>
    <message>
        <source>
退出状态: 成功为 0, 失败为 1, 命令行有误为 2。
</source>
        <translation>
Exit status: 0 on success, 1 on failure, 2 on a wrong command line.
</translation>
    </message>
    <message>
        <source>用法: hadtool %1 %2
</source>
        <translation>usage: hadtool %1 %2
</translation>
    </message>
    <message>
        <source>用法: hadtool COMMAND [ARGUMENTS]
      hadtool COMMAND --help | -h
      hadtool --help | --version

命令:
</source>
        <translation>usage: hadtool COMMAND [ARGUMENTS]
       hadtool COMMAND --help | -h
       hadtool --help | --version

Commands:
</translation>
    </message>
    <message>
        <source>%1。

</source>
        <translation>%1.

</translation>
    </message>
    <message>
        <source>缺少命令</source>
        <translation>missing command</translation>
    </message>
    <message>
        <source>未知命令 &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>请看 &apos;hadtool %1 --help&apos;。
</source>
        <translation>Try &apos;hadtool %1 --help&apos;.
</translation>
    </message>
    <message>
        <source>写标准输出错误: %1</source>
        <translation>error writing standard output: %1</translation>
    </message>
    <message>
        <source>请给出 --index N 或 --file-no NO 中的一个</source>
        <translation>give either --index N or --file-no NO</translation>
    </message>
    <message>
        <source>文件 %1 中没有第 %2 份鉴定报告(共 %3 份, --index 从 0 起)</source>
        <translation>file %1 has no report %2 (it holds %3; --index counts from 0)</translation>
    </message>
    <message>
        <source>文件 %1 中没有编号为 %2 的鉴定报告</source>
        <translation>file %1 has no report numbered %2</translation>
    </message>
    <message>
        <source>选项 %1 需要一个值</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>选项 %1 要求不小于 %2 的整数, 不能是 &apos;%3&apos;</source>
        <translation>option %1 takes a whole number of at least %2, not &apos;%3&apos;</translation>
    </message>
    <message>
        <source>未知选项 &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>缺少参数</source>
        <translation>missing argument</translation>
    </message>
    <message>
        <source>多余的参数 &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
</context>
</TS>
