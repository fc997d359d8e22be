// The settings file reader, and a write that must keep every other line.

#include "base/apperror.h"
#include "base/inifile.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::start();
    const QString path
        = FuzzSupport::scratchFile(QStringLiteral("config.ini"), FuzzSupport::bytes(data, size));
    try {
        IniFile ini(path);
        (void)ini.readInteger(QStringLiteral("Commond"), QStringLiteral("AutoSaveTime"), 5);
        (void)ini.readBool(QStringLiteral("Commond"), QStringLiteral("AutoOpenItem"), true);
        (void)ini.readString(QStringLiteral("PageSetup"), QStringLiteral("PageStyle"), QString());
        (void)ini.hasKey(QStringLiteral("Misc"), QStringLiteral("IsPrintSoftMess"));
        ini.writeString(
            QStringLiteral("Commond"), QStringLiteral("OpenFileName"), QStringLiteral("Data/a.had"));
        if (IniFile(path).readString(QStringLiteral("Commond"), QStringLiteral("OpenFileName"), QString())
            != QStringLiteral("Data/a.had"))
            __builtin_trap(); // a written key must read back
    } catch (const AppError &) { }
    FuzzSupport::forgetPrompts();
    return 0;
}
