#pragma once

#include <QFlags>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Every modal prompt of the program (message boxes, file dialogs, the print
// dialog) goes through this one seam. The GUI installs a backend that shows
// real dialogs; without a backend (tests, the command-line tool) nothing is
// shown and the default answer is taken. Tests script the next answers and
// file names, and read back what would have been shown.

enum class PromptIcon { None, Information, Warning, Error, Question };

enum class PromptButton { None = 0, Ok = 1, Yes = 2, No = 4, Cancel = 8 };
Q_DECLARE_FLAGS(PromptButtons, PromptButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(PromptButtons)

enum class PromptKind { Message, OpenFile, SaveFile, Print, Password };

// The settings of a print job that the print dialog offers: the number of
// copies, the pages (from and to both 0: all of them) and, for a printer
// that writes a file, the file (empty: asked for when printing).
struct PrintJobOptions
{
    int copies = 1;
    int fromPage = 0;
    int toPage = 0;
    QString outputFile;

    bool operator==(const PrintJobOptions &) const = default;
};

// One prompt as it was (or would have been) shown.
struct PromptRecord
{
    PromptKind kind = PromptKind::Message;
    QString caption;
    QString text; // message or password question; for file dialogs the initial folder
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButton::Ok;
    PromptButton defaultButton = PromptButton::None;
    // File dialogs only. The filter is written "description|pattern", pairs
    // joined by "|" ("模板文件 *.Btp|*.Btp").
    QString filter;
    QString fileName; // the proposed file name
    QString defaultSuffix; // added to a typed name that has no extension
    // Print dialog only: the printer selected when it opens, the job
    // settings it shows and the number of pages to choose from.
    QString printerName;
    PrintJobOptions job;
    int pageCount = 0;
};

// What the print dialog answered: whether the user confirmed it, and the
// printer selected in it and the job settings made when it closed.
struct PrintChoice
{
    bool confirmed = false;
    QString printerName;
    PrintJobOptions job;
};

// What a file dialog shows when it opens.
struct FileRequest
{
    QString caption;
    QString folder;
    QString fileName;
    QString filter; // "description|pattern" pairs
    QString defaultSuffix;
};

class PromptBackend
{
public:
    virtual ~PromptBackend() = default;
    virtual PromptButton showMessage(const PromptRecord &prompt) = 0;
    // Returns the chosen path, or an empty text when the user cancelled.
    virtual QString chooseFile(const PromptRecord &prompt) = 0;
    // Shows the print dialog on prompt.printerName and returns the answer.
    virtual PrintChoice confirmPrint(const PromptRecord &prompt) = 0;
    // Asks for a password, never shown as typed. An empty text: cancelled.
    virtual QString askPassword(const PromptRecord &prompt) = 0;
};

class Prompt
{
public:
    static PromptButton message(PromptIcon icon, const QString &text,
        PromptButtons buttons = PromptButton::Ok, PromptButton defaultButton = PromptButton::None,
        const QString &caption = QString());
    static void error(const QString &text, const QString &caption = QString());
    static void warning(const QString &text, const QString &caption = QString());
    // Yes/No question with the question icon, No unless told otherwise.
    static bool confirm(const QString &text, PromptButton defaultButton = PromptButton::No);

    // The chosen path, or an empty text when the user cancelled.
    static QString openFile(const FileRequest &request);
    static QString saveFile(const FileRequest &request);
    // The print dialog, opened on the named printer with the job settings,
    // for pages 1 to pageCount. Unanswered, it keeps the printer and the
    // settings and is not confirmed.
    static PrintChoice print(
        const QString &caption, const QString &printerName, const PrintJobOptions &job, int pageCount);

    // Asks for a password (the text says what for); an empty text when the
    // user cancelled. Unanswered, it is cancelled. The answer is never kept
    // among the shown prompts.
    static QString password(const QString &caption, const QString &text);

    // The backend that shows real dialogs; null shows nothing. Not owned.
    static void setBackend(PromptBackend *backend);

    // Test scripting: answers are consumed in order, one per prompt of the
    // matching kind. An empty file name answers "cancelled".
    static void setNextAnswer(PromptButton answer);
    static void setNextFileName(const QString &path);
    // An empty password answers "cancelled".
    static void setNextPassword(const QString &password);
    // An empty printer name answers with the printer the dialog opened on.
    static void setNextPrintAnswer(
        bool confirmed, const QString &printerName = QString(), const PrintJobOptions &job = {});

    static const QList<PromptRecord> &shown();
    static void reset(); // forget scripted answers and shown prompts

private:
    static QString chooseFile(PromptKind kind, const FileRequest &request);
};
