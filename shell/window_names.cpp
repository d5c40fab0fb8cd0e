// The window's name. SDL's title alone is not enough on X11: window managers
// and task bars read the UTF-8 names, so those are set as well, through a
// libX11 that is loaded only when the window really is on X11.
#include "shell/shell.h"

#include <SDL_syswm.h>
#include <cstring>
#include <dlfcn.h>

typedef Atom (*InternAtomFn)(Display*, const char*, Bool);
typedef int (*ChangePropertyFn)(Display*, Window, Atom, Atom, int, int, const unsigned char*, int);
typedef int (*FlushFn)(Display*);

static const char* const name_properties[] = {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "WM_NAME", "WM_ICON_NAME"};

void set_window_title(SDL_Window* window, const char* text)
{
    SDL_SetWindowTitle(window, text);

    SDL_SysWMinfo info;
    memset(&info, 0, sizeof info);
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11 || !info.info.x11.display)
        return;
    // The handle stays open: the loader keeps the library after the first time.
    void* x11 = dlopen("libX11.so.6", RTLD_LAZY);
    if (!x11)
        return;
    InternAtomFn intern_atom = (InternAtomFn)dlsym(x11, "XInternAtom");
    ChangePropertyFn change_property = (ChangePropertyFn)dlsym(x11, "XChangeProperty");
    FlushFn flush = (FlushFn)dlsym(x11, "XFlush");
    if (!intern_atom || !change_property || !flush)
        return;

    Display* display = info.info.x11.display;
    Window x_window = info.info.x11.window;
    Atom utf8 = intern_atom(display, "UTF8_STRING", False);
    for (const char* name : name_properties)
        change_property(display, x_window, intern_atom(display, name, False), utf8, 8, PropModeReplace,
                        (const unsigned char*)text, (int)strlen(text));
    flush(display);
}
