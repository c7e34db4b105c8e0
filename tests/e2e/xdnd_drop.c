/* Drops files on the window under a point of the X screen, the way a Linux file manager drops
 * them on a program running under Wine (the XDND protocol, version 5, action copy). A native
 * helper of the end-to-end tests, started by them through Wine.
 *
 *   xdnd_drop X Y UNIX_PATH...
 *
 * Exits 0 once the target has finished the drop, 1 on any failure (with a line on stderr). */
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static Display *display;
static Window source;
static Atom xdndAware, xdndEnter, xdndPosition, xdndStatus, xdndDrop, xdndFinished, xdndSelection, xdndActionCopy,
    uriList;

static int fail(const char *why) {
    fprintf(stderr, "xdnd_drop: %s\n", why);
    return 1;
}

static int isAware(Window window, long *version) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = NULL;
    if (XGetWindowProperty(display, window, xdndAware, 0, 1, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) != Success || !data || count == 0) {
        if (data) XFree(data);
        return 0;
    }
    *version = *(long *)data;
    XFree(data);
    return 1;
}

/* The deepest window at the point that takes part in XDND. */
static Window findTarget(int x, int y, long *version) {
    Window root = DefaultRootWindow(display), current = root, child, found = None;
    int localX, localY;
    while (XTranslateCoordinates(display, root, current, x, y, &localX, &localY, &child) && child != None) {
        current = child;
        if (isAware(current, version)) found = current;
    }
    return found;
}

static void sendMessage(Window target, Atom type, long l1, long l2, long l3, long l4) {
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)source;
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

/* Hands the file list to the target that asks for it. */
static void answerRequest(const XSelectionRequestEvent *request, const char *uris) {
    XEvent reply;
    memset(&reply, 0, sizeof reply);
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request->requestor;
    reply.xselection.selection = request->selection;
    reply.xselection.target = request->target;
    reply.xselection.time = request->time;
    reply.xselection.property = None;
    if (request->target == uriList && request->property != None) {
        XChangeProperty(display, request->requestor, request->property, uriList, 8, PropModeReplace,
                        (const unsigned char *)uris, (int)strlen(uris));
        reply.xselection.property = request->property;
    }
    XSendEvent(display, request->requestor, False, NoEventMask, &reply);
    XFlush(display);
}

static double now(void) {
    struct timespec time;
    clock_gettime(CLOCK_MONOTONIC, &time);
    return (double)time.tv_sec + (double)time.tv_nsec / 1e9;
}

int main(int argc, char **argv) {
    if (argc < 4) return fail("usage: xdnd_drop X Y UNIX_PATH...");
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    if (!(display = XOpenDisplay(NULL))) return fail("no X display");

    size_t length = 1;
    for (int i = 3; i < argc; ++i) length += strlen(argv[i]) + 9;
    char *uris = calloc(length, 1);
    for (int i = 3; i < argc; ++i) {
        strcat(uris, "file://");
        strcat(uris, argv[i]);
        strcat(uris, "\r\n");
    }

    xdndAware = XInternAtom(display, "XdndAware", False);
    xdndEnter = XInternAtom(display, "XdndEnter", False);
    xdndPosition = XInternAtom(display, "XdndPosition", False);
    xdndStatus = XInternAtom(display, "XdndStatus", False);
    xdndDrop = XInternAtom(display, "XdndDrop", False);
    xdndFinished = XInternAtom(display, "XdndFinished", False);
    xdndSelection = XInternAtom(display, "XdndSelection", False);
    xdndActionCopy = XInternAtom(display, "XdndActionCopy", False);
    uriList = XInternAtom(display, "text/uri-list", False);

    source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, xdndSelection, source, CurrentTime);
    long version = 0;
    const Window target = findTarget(x, y, &version);
    if (target == None) return fail("no window takes drops at that point");
    if (version > 5) version = 5;

    sendMessage(target, xdndEnter, version << 24, (long)uriList, None, None);
    sendMessage(target, xdndPosition, 0, ((long)x << 16) | y, CurrentTime, (long)xdndActionCopy);
    int dropped = 0;
    for (const double end = now() + 20; now() < end;) {
        if (!XPending(display)) {
            struct timespec pause = {0, 10 * 1000 * 1000};
            nanosleep(&pause, NULL);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == SelectionRequest) {
            answerRequest(&event.xselectionrequest, uris);
        } else if (event.type == ClientMessage && event.xclient.message_type == xdndStatus && !dropped) {
            if (!(event.xclient.data.l[1] & 1)) return fail("the window refused the drop");
            sendMessage(target, xdndDrop, 0, CurrentTime, 0, 0);
            dropped = 1;
        } else if (event.type == ClientMessage && event.xclient.message_type == xdndFinished) {
            XCloseDisplay(display);
            free(uris);
            return 0;
        }
    }
    return fail(dropped ? "the drop was not finished" : "the window did not answer");
}
