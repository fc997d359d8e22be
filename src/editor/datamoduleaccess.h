#pragma once

#include "db/datamodule.h"

// The data module of the run. It keeps no state between calls, so a report
// window working without the program's start-up (tests, benchmarks) uses
// one of its own.
inline TFrm_DataModule &dataModule()
{
    if (TFrm_DataModule *module = TFrm_DataModule::instance())
        return *module;
    static TFrm_DataModule standIn;
    return standIn;
}
