#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An INI file in code page 936, read and written key by key the way the
// Windows profile functions do: section and key names match without regard
// to letter case, blanks around names and values are dropped, a missing file
// reads as empty. Writing one key rewrites only that key's line (or adds it
// at the end of its section, or adds the section at the end of the file);
// every other line, comments and unknown keys included, stays byte for byte.
// The file is replaced atomically, after each write or, for a group of keys
// that belong together, once at commit(): then either all of them are
// written or, when anything fails first, none.
class IniFile
{
public:
    enum class WriteMode { Immediately, OnCommit };

    explicit IniFile(const QString &path, WriteMode mode = WriteMode::Immediately);

    const QString &path() const { return m_path; }

    bool hasKey(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // A value that is not a decimal integer counts as missing.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Flags are integers: 0 is false, any other integer true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Throws AppError when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Writes the keys changed so far (OnCommit mode). Throws AppError.
    void commit() const;

private:
    struct Location
    {
        int sectionLine = -1; // index of the "[section]" line, -1 when absent
        int keyLine = -1;     // index of the "key=value" line, -1 when absent
        int sectionEnd = -1;  // index after the section's last non-blank line
    };
    Location find(const QString &section, const QString &key) const;

    QString m_path;
    WriteMode m_mode;
    QList<QByteArray> m_lines; // without line ends
    QByteArray m_lineEnd = "\r\n";
    bool m_endsWithLineEnd = true;
};
