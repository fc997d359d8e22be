#pragma once

#include <QString>

#include <map>
#include <string>

// Changes to a PDF file appended as an incremental update: new versions of
// objects and new objects, a cross-reference section for them and a trailer
// that points back to the file's last one. The rest of the file is neither
// read again nor rewritten, however many pages it holds.
class PdfUpdate
{
public:
    // A version of the object with the value given as PDF text.
    void setObject(int number, int generation, const std::string &value);
    // A version of the object as a stream holding the data, unfiltered.
    void setStream(int number, int generation, const std::string &data);

    bool isEmpty() const { return m_objects.empty(); }

    // Appends the objects to the file, then their cross-reference section
    // and a trailer of the given entries (PDF text of keys and values, the
    // last trailer's less /Size and /Prev) with /Size (the last trailer's,
    // or more for new objects) and /Prev. The file must end in a
    // cross-reference table. Throws AppError; a failure may leave part of
    // the update appended.
    void appendTo(const QString &path, const std::string &trailerEntries, int lastSize) const;

private:
    // By object number: the generation and the text between "obj" and "endobj".
    std::map<int, std::pair<int, std::string>> m_objects;
};
