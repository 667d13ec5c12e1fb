# Counts the compiled QML files that the QML type loader frees on its own thread while
# the interface thread does not wait for it (gdb, on any program of the build).
#
# Qt 6.4's loader, resolving a type on its thread, trims its type cache and may free
# compiled files linked to the JavaScript engine; the garbage collector on the interface
# thread walks the same files with no lock, so a free there while the interface thread
# runs can bring the program down inside the engine. Each free (a call of
# ExecutableCompilationUnit::unlink) is counted by the thread it happens on and, off the
# interface thread, by whether the interface thread is then inside a call that waits for
# the loader (a synchronous load).
#
#   gdb -q -batch -x tools/trace/loader_frees.py --args build/tests/app/tst_shell_window \
#       typesLoadOnlyWhileTheInterfaceThreadWaits
#
# Prints "loader frees: interface N, loader while waited for N, loader beside the
# interface thread N" when the program ends.
import gdb

counts = {"interface": 0, "waited": 0, "beside": 0}
WAITING = ("QQmlThread::internalCallMethodInThread", "QQmlTypeLoader::load", "QQmlThread::waitForNextMessage")


def interface_thread_waits():
    interface = next(t for t in gdb.selected_inferior().threads() if t.num == 1)
    here = gdb.selected_thread()
    interface.switch()
    try:
        frame, depth = gdb.newest_frame(), 0
        while frame is not None and depth < 60:
            name = frame.name() or ""
            if any(w in name for w in WAITING):
                return True
            frame, depth = frame.older(), depth + 1
        return False
    finally:
        here.switch()


def count_free():
    if gdb.selected_thread().num == 1:
        counts["interface"] += 1
    elif interface_thread_waits():
        counts["waited"] += 1
    else:
        counts["beside"] += 1


gdb.execute("set pagination off")
gdb.execute("set print thread-events off")
gdb.execute("set breakpoint pending on")
gdb.execute("handle SIGPIPE nostop noprint pass")
gdb.execute("set startup-with-shell off")
gdb.execute("break QV4::ExecutableCompilationUnit::unlink")
gdb.execute("run", to_string=True)
# Each stop is a free; the threads are looked at while all of them stand still.
while gdb.selected_inferior().pid:
    try:
        count_free()
        gdb.execute("continue", to_string=True)
    except gdb.error:
        break
print("loader frees: interface %(interface)d, loader while waited for %(waited)d, "
      "loader beside the interface thread %(beside)d" % counts, flush=True)
