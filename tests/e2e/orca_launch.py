#!/usr/bin/python3
# Starts the Orca screen reader as /usr/bin/orca does, with the arguments given, with two
# differences for a test that reads its debug log while it runs:
# - the log is written line by line (Orca leaves it to the file's buffer, so what it said would
#   show only when it ends);
# - no refusal to start while another Orca of the same user runs: Orca looks at every process of
#   the user, so two checkouts testing at once, each with its own buses and X server, or the
#   developer's own screen reader, would stop the test.
# The program itself is the installed one, read from /usr/bin/orca.
import builtins
import sys

ORCA = "/usr/bin/orca"


def line_buffered_open(file, mode="r", *args, **kwargs):
    if "w" in mode and "b" not in mode and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return builtins.open(file, mode, *args, **kwargs)


with open(ORCA, encoding="utf-8") as f:
    source = f.read()
namespace = {"__name__": "orca_launch", "__file__": ORCA}
exec(compile(source, ORCA, "exec"), namespace)
namespace["otherOrcas"] = lambda: []
namespace["open"] = line_buffered_open
sys.argv[0] = ORCA
sys.exit(namespace["main"]())
