#pragma once

#include "app/prompt.h"
#include "output/signaturevalues.h"
#include "stderrpromptbackend.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

class DataSet;
class PrinterDevice;

// While it lives, the program's messages go to standard error and are
// counted, so that a command can fail when a page was not drawn in full.
class StderrMessages
{
public:
    StderrMessages();
    StderrMessages(const StderrMessages &) = delete;
    StderrMessages &operator=(const StderrMessages &) = delete;
    ~StderrMessages();

    // Messages shown since it began (each also written to stderr).
    int count() const { return m_prompts.messages; }

private:
    struct CountingPrompts : StderrPromptBackend
    {
        CountingPrompts()
            : StderrPromptBackend(PromptButton::No) // drawing asks nothing; messages are printed
        { }
        PromptButton showMessage(const PromptRecord &prompt) override
        {
            ++messages;
            return StderrPromptBackend::showMessage(prompt);
        }
        int messages = 0;
    };

    CountingPrompts m_prompts;
};

// The pages of a stored report, prepared the way the preview and printing
// prepare them in the program: the report's own page settings, the paper
// set up on the printer, the page files written from the report's texts,
// and the signature sections answered from the same report. The page files
// go to a private temporary folder, never to a program folder's Temp, so
// hadtool runs beside the program and without a program folder.
//
// While it lives, the session's printer is the current printer, messages go
// to standard error, and the signature data come from the prepared report.
class ReportPageSession
{
public:
    explicit ReportPageSession(std::unique_ptr<PrinterDevice> printer);
    ReportPageSession(const ReportPageSession &) = delete;
    ReportPageSession &operator=(const ReportPageSession &) = delete;
    ~ReportPageSession();

    // Prepares the current report of the data set; afterwards the files of
    // pages 1 to pageCount() hold its pages.
    void prepare(DataSet &reports);

    int pageCount() const;
    QString pageFile(int page) const;

    int messages() const { return m_messages.count(); }

private:
    QTemporaryDir m_folder;
    StderrMessages m_messages;
    SignatureValues m_signatures;
};
