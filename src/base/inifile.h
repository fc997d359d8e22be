#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An INI file in code page 936, read and written key by key the way the
// Windows profile functions do: section and key names match without regard
// to letter case, blanks around names and values are dropped, a missing file
// reads as empty. Writing one key rewrites only that key's line (or adds it
// at the end of its section, or adds the section at the end of the file);
// every other line, comments, unknown keys and line ends included, stays
// byte for byte. The file is replaced atomically, after each write or, for a
// group of keys that belong together, once at commit(): then either all of
// them are written or, when anything fails first, none.
//
// A file that exists but cannot be read (no permission, not a regular file,
// larger than MaxSize, a read error) reads as empty and is never written
// during the run, so that what it holds is not replaced by a few keys: the
// first reader of such a file tells the user once, and every write to it
// fails with an AppError.
class IniFile
{
public:
    enum class WriteMode { Immediately, OnCommit };

    // The largest file read; settings files are a few kilobytes.
    static constexpr qint64 MaxSize = 1024 * 1024;

    explicit IniFile(const QString &path, WriteMode mode = WriteMode::Immediately);

    const QString &path() const { return m_path; }
    // Whether the file exists but could not be read: writes are refused.
    bool isUnreadable() const { return m_unreadable; }

    bool hasKey(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // A value that is not a decimal integer counts as missing.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Flags are integers: 0 is false, any other integer true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Throws AppError when the file cannot be written, or could not be read,
    // or when a name or the value holds a line break (no line could hold it).
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Writes the keys changed so far (OnCommit mode). Throws AppError.
    void commit() const;

private:
    struct Location
    {
        int sectionLine = -1; // index of the "[section]" line, -1 when absent
        int keyLine = -1; // index of the "key=value" line, -1 when absent
        int sectionEnd = -1; // index after the section's last non-blank line
    };
    Location find(const QString &section, const QString &key) const;
    void read();
    void refuseIfUnreadable() const;
    void insertLine(int index, const QByteArray &line);

    QString m_path;
    WriteMode m_mode;
    bool m_unreadable = false;
    QList<QByteArray> m_lines; // without line ends
    QList<QByteArray> m_ends; // the line end of each line ("" for a last line without one)
    QByteArray m_lineEnd = "\r\n"; // for new lines: the end of the file's first line
};
