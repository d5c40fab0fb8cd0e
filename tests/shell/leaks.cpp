// Memory that the desktop's own libraries keep for a real window (D-Bus and
// Xlib, opened by SDL's X11 driver) is theirs to keep, not a leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\nleak:libX11.so\n";
}
