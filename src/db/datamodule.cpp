#include "db/datamodule.h"

namespace {
TFrm_DataModule *theInstance = nullptr;
}

TFrm_DataModule::TFrm_DataModule()
{
    theInstance = this;
}

TFrm_DataModule::~TFrm_DataModule()
{
    if (theInstance == this)
        theInstance = nullptr;
}

TFrm_DataModule *TFrm_DataModule::instance()
{
    return theInstance;
}
