#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: a temporary AppDir, the process-wide
// state reset (the share folder is the build tree's), and the prompt seam
// emptied of scripted answers and records. The state reset is that of base
// and output, or that of every layer in a test that links them all (see
// resetStateWith).
class TestAppDir
{
public:
    TestAppDir();
    ~TestAppDir();

    // Resets the process-wide state with this function from now on: one
    // that resets the layers above output as well (the editor's, the
    // preview's, the current printer).
    static void resetStateWith(void (*reset)());

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
