// The report template reader, on the bytes of a template file.

#include "base/apperror.h"
#include "db/reporttemplate.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::start();
    try {
        // What was read must write back and read again as the same template.
        const ReportTemplate read = ReportTemplateFile::decode(FuzzSupport::bytes(data, size));
        (void)ReportTemplateFile::decode(ReportTemplateFile::encode(read));
    } catch (const AppError &) { }
    FuzzSupport::forgetPrompts();
    return 0;
}
