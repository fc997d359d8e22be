#include "commandtable.h"

QList<const Subcommand *> Subcommands::all()
{
    // The order of the overview.
    return { &NewCommand, &ListCommand, &GradeCommand, &PdfCommand, &PngCommand, &TemplateCommand, &CopyCommand };
}

const Subcommand *Subcommands::find(const QString &name)
{
    for (const Subcommand *command : all())
        if (name == QLatin1String(command->name))
            return command;
    return nullptr;
}
