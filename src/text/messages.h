#pragma once
// Messages by number from the message file of the current language.
//
// Every lookup scans the file from its first line: nothing is cached, so a
// change to a message file takes effect at the next lookup.
#include <QString>

namespace cifrala {

extern int msg_number;  // the number looked up last
extern QString msg_param1, msg_param2, msg_param3, msg_param4;

// The text of message n; numbers above 5000 get their "#" placeholders filled
// from msg_param1..4 (one above 5000, two above 6000, three above 7000, four
// above 8000). Never fails: a diagnostic text stands in for a missing text.
QString msg(int n);

// Looks up the entry of `number` in a language file and returns the `lines`
// lines after the number line. 0 when found, 1 when not found (or the number
// line is the last line), else the system's error code of the open.
// Lines missing at the end of the file are returned empty; `available`
// tells how many lines existed.
int lookup_entry(const QString& file_name, int number, int lines, QString out[],
                 int* available = nullptr);

// The maintenance check: compares the Dutch and English file of every kind
// number by number and shows a message for each number that is not present
// exactly once in each language.
void check_message_files();

}  // namespace cifrala
