#pragma once

// The data module: record operations on the appraisal database of a report
// window. One instance lives for the whole run; it holds no connection
// between calls.
class TFrm_DataModule
{
public:
    TFrm_DataModule();
    ~TFrm_DataModule();

    // The instance created at start-up, or null before start-up.
    static TFrm_DataModule *instance();
};
