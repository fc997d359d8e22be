#pragma once

class Connection;

// The indexes that keep a report window quick on a file of many reports:
// the reports in the order they were added (listing and counting read a
// small index instead of every report), each searchable column (a search
// for a text anywhere in the column cannot look it up, but scans that small
// index instead of every report; the data set puts what it finds back into
// report order), and the component rows by report number.
namespace LookupIndexes {

// Creates the indexes that a file lacks, all in one transaction; a file
// that cannot take them (one opened for reading only) works without them,
// only more slowly. Never throws.
void ensure(Connection &connection);

} // namespace LookupIndexes
