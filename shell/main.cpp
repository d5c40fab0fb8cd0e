// Program entry: the command line, the level table, then one of the modes.
#include "shell/shell.h"

int main(int argc, char** argv)
{
    int code = read_command_line(argc, argv);
    if (code >= 0)
        return code;
    code = load_levels();
    if (code >= 0)
        return code;
    return start_modes();
}
