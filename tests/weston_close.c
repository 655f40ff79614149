// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Weston module for tests: on SIGUSR1 the compositor asks every window to
// close, as a desktop's close button does (xdg_toplevel.close), and prints
// each window it asks on standard output:
//
//   close app_id=ID title=TITLE mapped=0|1 size=WxH
//
//   weston --modules=/path/to/weston_close.so ...

// Weston 12 moved the desktop API into libweston itself.
#if __has_include(<libweston/desktop.h>)
#include <libweston/desktop.h>
#else
#include <libweston-desktop/libweston-desktop.h>
#endif
#include <libweston/libweston.h>
#include <signal.h>
#include <stdio.h>
#include <wayland-server-core.h>

static int CloseWindows(int signal_number, void *data)
{
    (void)signal_number;
    struct weston_compositor *compositor = data;
    struct weston_layer *layer;
    wl_list_for_each(layer, &compositor->layer_list, link)
    {
        struct weston_view *view;
        wl_list_for_each(view, &layer->view_list.link, layer_link.link)
        {
            struct weston_surface *surface = view->surface;
            if (!weston_surface_is_desktop_surface(surface))
                continue;
            struct weston_desktop_surface *window = weston_surface_get_desktop_surface(surface);
            const char *id = weston_desktop_surface_get_app_id(window);
            const char *title = weston_desktop_surface_get_title(window);
            printf("close app_id=%s title=%s mapped=%d size=%dx%d\n", id ? id : "",
                   title ? title : "", weston_surface_is_mapped(surface) ? 1 : 0, surface->width,
                   surface->height);
            weston_desktop_surface_close(window);
        }
    }
    fflush(stdout);
    return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
    (void)argc;
    (void)argv;
    struct wl_event_loop *loop = wl_display_get_event_loop(compositor->wl_display);
    return wl_event_loop_add_signal(loop, SIGUSR1, CloseWindows, compositor) ? 0 : -1;
}
