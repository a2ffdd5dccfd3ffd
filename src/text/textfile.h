#pragma once
// The line-oriented text-file layer: one shared input file and one shared
// output file. Lines that begin with "." are comments when read, except
// ".end of file", which marks a file's logical end and is returned.
//
// Output is written to a temporary file beside the target and renamed over it
// by close_write_file, so a failed save never loses the previous file.
#include <QString>

namespace cifrala {

bool open_read_file(const QString& name, bool report);
// A file the pupil's own choices override: the one of that name in the
// user's config folder when it exists, else the one that came with the
// program (program_dir). Reports nothing.
bool open_read_user_file(const QString& name);
QString read_line();
void close_read_file();
bool read_file_is_open();
int read_line_count();

bool open_write_file(const QString& directory, const QString& name);
void write_line(const QString& text);
// Commits the file; false (after a message) when anything failed, in which
// case the previous file is left as it was.
bool close_write_file();

}  // namespace cifrala
