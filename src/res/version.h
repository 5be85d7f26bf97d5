// The program's version, kept here only: the main window's caption, the
// version resource of TAVO.exe and tavo-cli.exe (version_info.rc), the build
// and the release package's name take it from this file. Change both lines
// together.
#define TAVO_VERSION_TEXT "1.10"
#define TAVO_VERSION_BINARY 1,10,0,0
