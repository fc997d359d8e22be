#pragma once

#include "subcommand.h"

// hadtool's commands, each defined in its cmd_*.cpp file; commandtable.cpp
// lists them in the order of the overview.
extern const Subcommand NewCommand;
extern const Subcommand ListCommand;
extern const Subcommand GradeCommand;
extern const Subcommand PdfCommand;
extern const Subcommand PngCommand;
extern const Subcommand TemplateCommand;
extern const Subcommand CopyCommand;
