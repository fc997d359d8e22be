#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: a temporary AppDir, the process-wide
// state reset (the current printer included; the share folder is the build
// tree's), and the prompt seam emptied of scripted answers and records.
class TestAppDir
{
public:
    TestAppDir();
    ~TestAppDir();

    const QString &path() const { return m_path; }
    QString filePath(const QString &relative) const;

    // Writes raw bytes to a file under AppDir (creating folders as needed);
    // a failure stops the test program.
    void writeFile(const QString &relative, const QByteArray &content) const;
    QByteArray readFile(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// A fresh copy in dir of a file the build put into the shared data folder,
// so that no test touches the build's own output.
QString copyOfBuilt(const TestAppDir &dir, const QString &name);

// The text of the last prompt shown, or an empty text.
QString lastPromptText();
