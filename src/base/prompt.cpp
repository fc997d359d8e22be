#include "base/prompt.h"

#include "base/processstate.h"

#include <QQueue>

namespace {

struct PromptSeam
{
    PromptBackend *backend = nullptr;
    QQueue<PromptButton> answers;
    QQueue<QString> fileNames;
    QQueue<PrintChoice> printAnswers;
    QQueue<QString> passwords;
    QList<PromptRecord> shown;
};

PromptSeam &seam()
{
    static PromptSeam instance;
    return instance;
}

QString captionOrTitle(const QString &caption)
{
    return caption.isEmpty() ? AppTitle : caption;
}

// The answer a prompt gets when nobody is there to give one.
PromptButton unattendedAnswer(const PromptRecord &prompt)
{
    if (prompt.defaultButton != PromptButton::None)
        return prompt.defaultButton;
    for (PromptButton b : { PromptButton::Ok, PromptButton::Yes, PromptButton::No, PromptButton::Cancel })
        if (prompt.buttons.testFlag(b))
            return b;
    return PromptButton::Ok;
}

} // namespace

PromptButton Prompt::message(PromptIcon icon, const QString &text, PromptButtons buttons,
    PromptButton defaultButton, const QString &caption)
{
    PromptRecord prompt;
    prompt.kind = PromptKind::Message;
    prompt.caption = captionOrTitle(caption);
    prompt.text = text;
    prompt.icon = icon;
    prompt.buttons = buttons;
    prompt.defaultButton = defaultButton;
    auto &s = seam();
    s.shown.append(prompt);
    if (!s.answers.isEmpty())
        return s.answers.dequeue();
    if (s.backend)
        return s.backend->showMessage(prompt);
    return unattendedAnswer(prompt);
}

void Prompt::error(const QString &text, const QString &caption)
{
    message(PromptIcon::Error, text, PromptButton::Ok, PromptButton::None, caption);
}

void Prompt::warning(const QString &text, const QString &caption)
{
    message(PromptIcon::Warning, text, PromptButton::Ok, PromptButton::None, caption);
}

bool Prompt::confirm(const QString &text, PromptButton defaultButton)
{
    return message(PromptIcon::Question, text, PromptButton::Yes | PromptButton::No, defaultButton)
        == PromptButton::Yes;
}

QString Prompt::chooseFile(PromptKind kind, const FileRequest &request)
{
    PromptRecord prompt;
    prompt.kind = kind;
    prompt.caption = captionOrTitle(request.caption);
    prompt.text = request.folder;
    prompt.filter = request.filter;
    prompt.fileName = request.fileName;
    prompt.defaultSuffix = request.defaultSuffix;
    auto &s = seam();
    s.shown.append(prompt);
    if (!s.fileNames.isEmpty())
        return s.fileNames.dequeue();
    if (s.backend)
        return s.backend->chooseFile(prompt);
    return QString();
}

QString Prompt::openFile(const FileRequest &request)
{
    return chooseFile(PromptKind::OpenFile, request);
}

QString Prompt::saveFile(const FileRequest &request)
{
    return chooseFile(PromptKind::SaveFile, request);
}

PrintChoice Prompt::print(
    const QString &caption, const QString &printerName, const PrintJobOptions &job, int pageCount)
{
    PromptRecord prompt;
    prompt.kind = PromptKind::Print;
    prompt.caption = captionOrTitle(caption);
    prompt.printerName = printerName;
    prompt.job = job;
    prompt.pageCount = pageCount;
    auto &s = seam();
    s.shown.append(prompt);
    if (!s.printAnswers.isEmpty()) {
        PrintChoice answer = s.printAnswers.dequeue();
        if (answer.printerName.isEmpty())
            answer.printerName = printerName;
        return answer;
    }
    if (s.backend)
        return s.backend->confirmPrint(prompt);
    return { false, printerName, job };
}

QString Prompt::password(const QString &caption, const QString &text)
{
    PromptRecord prompt;
    prompt.kind = PromptKind::Password;
    prompt.caption = captionOrTitle(caption);
    prompt.text = text;
    prompt.icon = PromptIcon::Question;
    prompt.buttons = PromptButton::Ok | PromptButton::Cancel;
    auto &s = seam();
    s.shown.append(prompt);
    if (!s.passwords.isEmpty())
        return s.passwords.dequeue();
    if (s.backend)
        return s.backend->askPassword(prompt);
    return QString();
}

void Prompt::setBackend(PromptBackend *backend)
{
    seam().backend = backend;
}

void Prompt::setNextAnswer(PromptButton answer)
{
    seam().answers.enqueue(answer);
}

void Prompt::setNextFileName(const QString &path)
{
    seam().fileNames.enqueue(path);
}

void Prompt::setNextPassword(const QString &password)
{
    seam().passwords.enqueue(password);
}

void Prompt::setNextPrintAnswer(bool confirmed, const QString &printerName, const PrintJobOptions &job)
{
    seam().printAnswers.enqueue({ confirmed, printerName, job });
}

const QList<PromptRecord> &Prompt::shown()
{
    return seam().shown;
}

void Prompt::reset()
{
    auto &s = seam();
    s.answers.clear();
    s.fileNames.clear();
    s.printAnswers.clear();
    s.passwords.clear();
    s.shown.clear();
}
