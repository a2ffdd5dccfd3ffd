#pragma once
// Where the program's data files lie and where it writes its own files.
#include <QString>

namespace cifrala {

// Determines the data folder: $CIFRALA_DATA_DIR when set; else the folder of
// the executable when it holds the language files; else the share folder
// beside the installed program (../share/cifrala), wherever the installed
// tree lies; else the share folder it was built for. The user's config folder comes from
// QStandardPaths
// ($CIFRALA_CONFIG_DIR overrides it).
void init_program_dir(const QString& executable_path);

const QString& program_dir();        // without a trailing separator
const QString& program_file_name();  // the executable's file name
const QString& user_config_dir();    // created on first write

void set_program_dir(const QString& dir);  // tests and tools
void set_user_config_dir(const QString& dir);

// A relative name is taken in program_dir; an absolute one as it stands.
QString data_path(const QString& name);

}  // namespace cifrala
