// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks an X11 window to close, as a window manager's close button does (WM_DELETE_WINDOW).
#include <X11/Xlib.h>

#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    Display* anzeige = XOpenDisplay(nullptr);
    if (!anzeige)
        return 1;
    const Window fenster = Window(std::strtoul(argv[1], nullptr, 0));
    XEvent ereignis{};
    ereignis.xclient.type = ClientMessage;
    ereignis.xclient.window = fenster;
    ereignis.xclient.message_type = XInternAtom(anzeige, "WM_PROTOCOLS", False);
    ereignis.xclient.format = 32;
    ereignis.xclient.data.l[0] = long(XInternAtom(anzeige, "WM_DELETE_WINDOW", False));
    ereignis.xclient.data.l[1] = CurrentTime;
    XSendEvent(anzeige, fenster, False, NoEventMask, &ereignis);
    XCloseDisplay(anzeige);
    return 0;
}
